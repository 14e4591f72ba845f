#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace vespera {

// Starts the user's programs and opens documents and web addresses with the desktop's programs.
// Programs get their arguments one by one, never through a shell.
class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts a program file in `directory` and goes on at once. A file that is not a program opens with
    // the program the desktop associates with its type (the arguments are then not used). False when
    // nothing could be started.
    virtual bool Execute(const QString& directory, const QString& file, const QStringList& arguments) = 0;

    // Starts a program file in `directory` and waits until it has ended or this program is asked to
    // quit; events go on being handled meanwhile, so windows repaint and timers run. There is no time
    // limit. A document opens as with Execute and is not waited for: no process of its own stands for
    // it. False, at once, when the program could not be started.
    virtual bool ExecuteAndWait(const QString& directory, const QString& file,
                                const QStringList& arguments) = 0;

    // Opens a web address or a file with its associated program; when that fails, hands the file's
    // "file://" address to the web browser. False when neither opened it.
    virtual bool OpenDocument(const QString& target) = 0;

    // Opens the argument in the desktop's default web browser; when there is none or it does not start,
    // opens the argument with its associated program. False when neither started.
    virtual bool OpenInBrowser(const QString& argument) = 0;
};

// The launcher of this system.
std::unique_ptr<Launcher> createLauncher();

} // namespace vespera
