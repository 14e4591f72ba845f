#include "update/TkmNetUpdate.h"

#include "platform/FileTransfer.h"
#include "update/ComponentStreamError.h"
#include "update/FormatText.h"
#include "update/UpdateDialogs.h"
#include "update/UpdateProgress.h"
#include "update/VersionComparison.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace vespera {

namespace {

QString withSlash(QString folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString prefixOf(URLProtocol protocol) {
    switch (protocol) {
    case URLProtocol::pHTTP:
        return QStringLiteral("http://");
    case URLProtocol::pHTTPS:
        return QStringLiteral("https://");
    case URLProtocol::pFTP:
        return QStringLiteral("ftp://");
    case URLProtocol::pFILE:
        break;
    }
    return {};
}

} // namespace

TkmNetUpdate::TkmNetUpdate(FileTransfer& transfer, const SignatureCheck& signature, UpdateDialogs& dialogs,
                           UpdateProgress& progress, QString programFolder, QString temporaryFolder)
    : transfer_(transfer), signature_(signature), dialogs_(dialogs), progress_(progress),
      programFolder_(withSlash(std::move(programFolder))),
      temporaryFolder_(withSlash(std::move(temporaryFolder))) {}

QString TkmNetUpdate::temporaryFolderFor(const QString& systemTemporary, const QString& programFolder) {
    if (!systemTemporary.isEmpty() && QFileInfo(systemTemporary).isDir())
        return withSlash(systemTemporary);
    return withSlash(programFolder) + QStringLiteral("Temp/");
}

QString TkmNetUpdate::infoAddress() const {
    return (prefixOf(urlProtocol) + URLPath + URLFile).trimmed();
}

void TkmNetUpdate::check() {
    if (!Active || !QDir().mkpath(temporaryFolder_))
        return;
    const QString local = temporaryFolder_ + URLFile;
    if (!fetchInfo(infoAddress(), local))
        return;
    QFile file(local);
    const QByteArray stream = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    file.remove();
    try {
        offer(TnuServer::read(stream));
    } catch (const ComponentStreamError& e) {
        dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption), e.message());
    }
}

bool TkmNetUpdate::fetchInfo(const QString& address, const QString& local) {
    QFile::remove(local);
    if (urlProtocol == URLProtocol::pFILE) {
        if (QFile::copy(address, local))
            return true;
        if (showing(UpdateMessage::mNoFile))
            dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption),
                            formatText(slot(SourceMissing), {address}));
        return false;
    }
    const TransferOutcome outcome = transfer_.fetch(address, local, {});
    if (outcome.status != TransferOutcome::Status::Done)
        reportFailure(outcome, address);
    return outcome.status == TransferOutcome::Status::Done;
}

void TkmNetUpdate::offer(const TnuServer& server) {
    if (!isNewerVersion(VersionNumber, server.VersionNumber)) {
        if (showing(UpdateMessage::mNoUpdateAvailable))
            dialogs_.inform(UpdateDialogs::Kind::Information, slot(Caption), slot(NoNewerVersion));
        return;
    }
    if (runMode == RunMode::rmNormal && showing(UpdateMessage::mAskUpgrade) &&
        !dialogs_.ask(slot(Caption), slot(NewVersionFirst) + QStringLiteral("\r\n") + server.UpgradeMsg +
                                         QStringLiteral("\r\n") + slot(NewVersionLast)))
        return;
    if (server.upgradeMethod == UpgradeMethod::umRedirectToURL) {
        dialogs_.openAddress(server.FilePath);
        return;
    }
    if (downloadAll(server) && finish(server) && OnLaunchUpdater) {
        bool launch = true;
        OnLaunchUpdater(launch);
    }
}

void TkmNetUpdate::deleteDownloads(const TnuServer& server) const {
    for (const TServerFile& file : server.ServerFiles) {
        if (isPlainFileName(file.FileName.trimmed()))
            QFile::remove(temporaryFolder_ + file.FileName.trimmed());
    }
}

bool TkmNetUpdate::finish(const TnuServer& server) {
    for (const TServerFile& file : server.ServerFiles) {
        if (!QFileInfo::exists(temporaryFolder_ + file.FileName.trimmed())) {
            deleteDownloads(server);
            return false;
        }
    }
    QStringList lines{server.VersionNumber, server.VersionDate};
    if (server.upgradeMethod == UpgradeMethod::umSelfUpgrade) {
        for (const TServerFile& file : server.ServerFiles)
            lines << temporaryFolder_ + file.FileName.trimmed() << installedPath(file);
        return writeInstallationInfo(lines);
    }
    const QString setup = temporaryFolder_ + server.ExeFile.trimmed();
    if (!isPlainFileName(server.ExeFile.trimmed()) || !QFileInfo(setup).isFile()) {
        dialogs_.inform(UpdateDialogs::Kind::Error, slot(Caption), formatText(slot(FileCorrupt), {setup}));
        return false;
    }
    return writeInstallationInfo(lines << setup);
}

// Beside the downloads, named like the information file with the extension ".nui".
bool TkmNetUpdate::writeInstallationInfo(const QStringList& lines) const {
    const QString name = QFileInfo(URLFile).completeBaseName() + QStringLiteral(".nui");
    QFile file(temporaryFolder_ + name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()) >= 0;
}

// Where an offered file belongs once installed. Only the program's own folder and the temporary folder
// have a meaning here; the other targets name the nearest Linux counterpart.
QString TkmNetUpdate::installedPath(const TServerFile& file) const {
    static const char* const folders[] = {
        "", "/opt/", "/etc/", "/usr/lib/", "/var/lib/", "/usr/share/applications/", "/usr/local/lib/", ""};
    QString target = QString::fromLatin1(folders[static_cast<int>(file.targetDir)]);
    if (file.targetDir == TargetDir::tdApp)
        target = programFolder_;
    else if (file.targetDir == TargetDir::tdTempDir)
        target = temporaryFolder_;
    const QString sub = file.SubDir.trimmed();
    return target + (sub.isEmpty() ? QString() : withSlash(sub)) + file.FileName.trimmed();
}

} // namespace vespera
