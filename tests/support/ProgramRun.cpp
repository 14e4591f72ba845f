#include "ProgramRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <functional>

ProgramRun::ProgramRun(const QString& home) : home_(home) {
    QDir().mkpath(home_ + "/config/ORBELAN/Vespera");
    QDir().mkpath(home_ + "/run");
    QFile::setPermissions(home_ + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", home_ + "/config");
    env.insert("XDG_RUNTIME_DIR", home_ + "/run");
    env.insert("HOME", home_);
    env.insert("VESPERA_DRY_RUN", "1");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    if (!env.contains("DBUS_SYSTEM_BUS_ADDRESS"))
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "disabled:");
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
}

ProgramRun::~ProgramRun() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString ProgramRun::settingsFile() const {
    return home_ + "/config/ORBELAN/Vespera/vsp-settings.ini";
}

void ProgramRun::writeSettings(const QByteArray& body) const {
    QFile file(settingsFile());
    if (file.open(QIODevice::WriteOnly))
        file.write("[Settings]\r\n" + body);
}

QByteArray ProgramRun::readSettings() const {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramRun::start(const QString& program, const QStringList& arguments) {
    process_.start(program, arguments);
    process_.waitForStarted(5000);
}

QByteArray ProgramRun::waitForError(const QByteArray& text, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (!error_.contains(text) && clock.elapsed() < limit.count()) {
        process_.waitForReadyRead(100);
        error_ += process_.readAllStandardError();
        if (process_.state() == QProcess::NotRunning)
            break;
    }
    return error_;
}

QByteArray ProgramRun::errorSoFar() {
    error_ += process_.readAllStandardError();
    return error_;
}

int ProgramRun::terminate() {
    process_.terminate();
    if (!process_.waitForFinished(10000))
        return -1;
    error_ += process_.readAllStandardError();
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= limit.count())
            return false;
        QThread::msleep(20);
    }
    return true;
}

QString waitForWindow(qint64 pid) {
    QString window;
    const auto visible = [&] {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
        search.waitForFinished(5000);
        window = QString::fromLatin1(search.readAllStandardOutput()).split('\n').value(0).trimmed();
        return !window.isEmpty();
    };
    waitUntil(visible, std::chrono::seconds(15));
    return window;
}
