#include "platform/linux/DesktopLauncher.h"

#include "dialogs/ShellWords.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <memory>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace vespera {

namespace {

bool isProgram(const QString& file) {
    const QFileInfo info(file);
    return info.isFile() && info.isExecutable();
}

// Standard input is the null device: a command that reads it ends instead of waiting for a user who
// cannot answer.
bool startDetached(const QString& program, const QStringList& arguments, const QString& directory,
                   qint64* pid = nullptr) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(directory);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached(pid);
}

bool openFile(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
}

// Runs the event loop until the process has ended. Quitting the program ends every event loop of the
// thread, this one too. Where the kernel offers no pidfd, the process is looked for every 100 ms.
void waitForEnd(qint64 pid) {
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    if (pidfd < 0 && errno == ESRCH)
        return;
    QEventLoop loop;
    std::unique_ptr<QSocketNotifier> ended;
    QTimer poll;
    if (pidfd >= 0) {
        ended = std::make_unique<QSocketNotifier>(pidfd, QSocketNotifier::Read);
        QObject::connect(ended.get(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    } else {
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
                loop.quit();
        });
        poll.start(100);
    }
    loop.exec();
    ended.reset();
    if (pidfd >= 0)
        ::close(pidfd);
}

// A target with a scheme ("https:", "mailto:", "file:") is an address; anything else a file path.
QUrl addressOf(const QString& target) {
    const QUrl url(target, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

QString defaultBrowserEntry() {
    const QString settings = QStandardPaths::findExecutable(QStringLiteral("xdg-settings"));
    if (settings.isEmpty())
        return {};
    QProcess query;
    query.setStandardErrorFile(QProcess::nullDevice());
    query.start(settings, {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

// The Exec line of a desktop entry's main group.
QString execLine(const QString& entryFile) {
    QFile file(entryFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool mainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            mainGroup = line == u"[Desktop Entry]";
        else if (mainGroup && line.startsWith(u"Exec="))
            return line.mid(5);
    }
    return {};
}

// The command of an Exec line: the argument stands where the line takes a file or an address, or
// follows the command when the line takes none; other field codes are dropped.
QStringList browserCommand(const QString& exec, const QString& argument) {
    QStringList command;
    bool placed = false;
    for (const QString& word : splitShellWords(exec)) {
        if (word == u"%u" || word == u"%U" || word == u"%f" || word == u"%F") {
            command << argument;
            placed = true;
        } else if (!(word.size() == 2 && word.startsWith(u'%'))) {
            command << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
    }
    if (!command.isEmpty() && !placed)
        command << argument;
    return command;
}

bool startBrowser(const QString& argument) {
    const QString entry = defaultBrowserEntry();
    if (entry.isEmpty())
        return false;
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    const QStringList command = file.isEmpty() ? QStringList() : browserCommand(execLine(file), argument);
    if (command.isEmpty())
        return false;
    const QString program = QStandardPaths::findExecutable(command.first());
    return !program.isEmpty() && startDetached(program, command.mid(1), QString());
}

} // namespace

bool DesktopLauncher::Execute(const QString& directory, const QString& file, const QStringList& arguments) {
    return isProgram(file) ? startDetached(file, arguments, directory) : openFile(file);
}

bool DesktopLauncher::ExecuteAndWait(const QString& directory, const QString& file,
                                     const QStringList& arguments) {
    if (!isProgram(file))
        return openFile(file);
    qint64 pid = 0;
    if (!startDetached(file, arguments, directory, &pid))
        return false;
    waitForEnd(pid);
    return true;
}

bool DesktopLauncher::OpenDocument(const QString& target) {
    const QUrl address = addressOf(target);
    if (QDesktopServices::openUrl(address))
        return true;
    return address.isLocalFile() && OpenInBrowser(address.toString());
}

bool DesktopLauncher::OpenInBrowser(const QString& argument) {
    return startBrowser(argument) || QDesktopServices::openUrl(QUrl::fromUserInput(argument));
}

std::unique_ptr<Launcher> createLauncher() {
    return std::make_unique<DesktopLauncher>();
}

} // namespace vespera
