// Update_Execute: installs a downloaded update of Vespera. It receives the path of the downloaded
// archive (a tar file, compressed or not), waits until the program that started it has ended, unpacks
// the archive over the program folder (its own folder) and starts the new Vespera. An archive with an
// absolute path or a ".." step in it is refused untouched.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <unistd.h>

#include <cstdio>

namespace {

constexpr int WaitForCallerMs = 10000;

int fail(const QString& message) {
    std::fprintf(stderr, "Update_Execute: %s\n", qPrintable(message));
    return 1;
}

bool isArchive(const QString& path) {
    for (const char* ending : {".tar", ".tar.gz", ".tgz", ".tar.xz", ".tar.bz2"}) {
        if (path.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QByteArray runTar(const QStringList& arguments, bool* ok) {
    QProcess tar;
    tar.start(QStringLiteral("tar"), arguments);
    *ok = tar.waitForFinished(-1) && tar.exitStatus() == QProcess::NormalExit && tar.exitCode() == 0;
    return tar.readAllStandardOutput();
}

// Every entry stays inside the folder it is unpacked into.
bool entriesStayInside(const QByteArray& listing) {
    for (const QByteArray& entry : listing.split('\n')) {
        if (entry.startsWith('/') || entry == ".." || entry.startsWith("../") || entry.contains("/../") ||
            entry.endsWith("/.."))
            return false;
    }
    return true;
}

void waitForCaller(pid_t caller) {
    for (int waited = 0; getppid() == caller && waited < WaitForCallerMs; waited += 50)
        QThread::msleep(50);
}

} // namespace

int main(int argc, char* argv[]) {
    const pid_t caller = getppid();
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return fail(QStringLiteral("expects the path of the downloaded update"));
    QString archive = arguments.at(1).trimmed();
    if (archive.size() >= 2 && archive.startsWith(u'"') && archive.endsWith(u'"'))
        archive = archive.mid(1, archive.size() - 2);
    if (!QFile::exists(archive) || !isArchive(archive))
        return fail(QStringLiteral("\"%1\" is not an update archive").arg(archive));
    bool ok = false;
    const QByteArray listing = runTar({QStringLiteral("-tf"), archive}, &ok);
    if (!ok || !entriesStayInside(listing))
        return fail(QStringLiteral("\"%1\" is damaged or reaches outside the program folder").arg(archive));
    waitForCaller(caller);
    const QString folder = QCoreApplication::applicationDirPath();
    runTar({QStringLiteral("-xf"), archive, QStringLiteral("-C"), folder}, &ok);
    if (!ok)
        return fail(QStringLiteral("\"%1\" could not be unpacked into %2").arg(archive, folder));
    QFile::remove(archive);
    QProcess::startDetached(QDir(folder).filePath(QStringLiteral("vespera")), {}, folder);
    return 0;
}
