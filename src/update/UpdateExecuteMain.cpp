// Update_Execute: installs a downloaded update of Vespera. It receives the path of the downloaded
// archive (a tar file, compressed or not), waits until Vespera from its folder has ended, unpacks
// the archive over the program folder (its own folder) and starts the new Vespera. An archive with an
// absolute path or a ".." step in it is refused untouched.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QThread>

#include <cstdio>

namespace {

constexpr int WaitForProgramMs = 10000;

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

bool programRuns(const QString& program) {
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : processes) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == program)
            return true;
    }
    return false;
}

void waitUntilEnded(const QString& program) {
    for (int waited = 0; programRuns(program) && waited < WaitForProgramMs; waited += 50)
        QThread::msleep(50);
}

} // namespace

int main(int argc, char* argv[]) {
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
    const QString folder = QCoreApplication::applicationDirPath();
    const QString program = QDir(folder).filePath(QStringLiteral("vespera"));
    waitUntilEnded(program);
    runTar({QStringLiteral("-xf"), archive, QStringLiteral("-C"), folder}, &ok);
    if (!ok)
        return fail(QStringLiteral("\"%1\" could not be unpacked into %2").arg(archive, folder));
    QFile::remove(archive);
    QProcess::startDetached(program, {}, folder);
    return 0;
}
