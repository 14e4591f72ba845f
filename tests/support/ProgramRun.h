#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <chrono>
#include <functional>

// The built program, started as a user would start it, with a home of its own: its own configuration
// folder and run-time folder, so runs never share settings or the one-copy lock with anything else.
class ProgramRun {
public:
    explicit ProgramRun(const QString& home);
    ~ProgramRun();

    // The settings file this run uses.
    QString settingsFile() const;
    void writeSettings(const QByteArray& body) const;
    QByteArray readSettings() const;

    void start(const QString& program, const QStringList& arguments = {});
    // Waits until the standard error holds text, or the time is up; returns what it collected.
    QByteArray waitForError(const QByteArray& text, std::chrono::milliseconds limit);
    // What the standard error held so far, without waiting.
    QByteArray errorSoFar();
    // Asks the program to end as a logout would, and returns its exit code (-1 if it did not end).
    int terminate();
    QProcess& process() { return process_; }
    QProcessEnvironment environment() const { return process_.processEnvironment(); }

private:
    QString home_;
    QProcess process_;
    QByteArray error_;
};

// Waits for a condition, checking it every few milliseconds, up to the limit.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// The first visible window of a process on the display, by xdotool, waiting up to 15 s; empty when
// none showed.
QString waitForWindow(qint64 pid);
