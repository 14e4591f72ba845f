#include "update/TOnlineUpdate.h"

#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"
#include "platform/FileTransfer.h"
#include "platform/SignatureVerifier.h"
#include "platform/UserFolders.h"
#include "update/SignatureCheck.h"
#include "update/TfmWizard.h"
#include "update/TkmNetUpdate.h"
#include "update/UpdateMessageBoxes.h"
#include "update/VersionComparison.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <utility>

namespace vespera {

namespace {

constexpr int FirstKey = 3; // the slots hold "IDS_3" to "IDS_38"
constexpr int HandOverMs = 500;

// The scheme of the address chooses the protocol; every "http://" is dropped, the plain web is the
// default.
URLProtocol takeProtocol(QString& address) {
    address.remove(QStringLiteral("http://"), Qt::CaseInsensitive);
    const std::pair<const char*, URLProtocol> schemes[] = {
        {"https://", URLProtocol::pHTTPS}, {"ftp://", URLProtocol::pFTP}, {"file://", URLProtocol::pFILE}};
    for (const auto& [scheme, protocol] : schemes) {
        if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
            address.remove(0, static_cast<qsizetype>(qstrlen(scheme)));
            return protocol;
        }
    }
    return URLProtocol::pHTTP;
}

} // namespace

TOnlineUpdate::TOnlineUpdate(QString programFolder, const QByteArray& builtInKey, bool administrator,
                             std::function<void()> endProcess, QObject* parent)
    : QObject(parent), programFolder_(std::move(programFolder)), endProcess_(std::move(endProcess)),
      translator_(shippedTranslationTable(QStringLiteral("TOnlineUpdate")), QStringLiteral("TOnlineUpdate"),
                  updateWindowLanguageNames()),
      dispatcher_(QStringLiteral("TOnlineUpdate"), updateWindowLanguageNames()),
      boxes_(std::make_unique<UpdateMessageBoxes>([this](int slot) { return slotText(slot); })) {
    dispatcher_.link(translator_);
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(HandOverMs);
    connect(&closeTimer_, &QTimer::timeout, this, [this] { endProcess_(); });
    if (!administrator)
        return;
    transfer_ = createFileTransfer();
    verifier_ = createSignatureVerifier();
    signature_ = std::make_unique<SignatureCheck>(*verifier_, builtInKey);
    QFile keyFile(QDir(programFolder_).filePath(QLatin1String(SignatureCheck::KeyFileName)));
    if (keyFile.open(QIODevice::ReadOnly))
        signature_->addKeys(keyFile.readAll());
    wizard_ = std::make_unique<TfmWizard>();
    component_ = std::make_unique<TkmNetUpdate>(
        *transfer_, *signature_, *boxes_, *wizard_, programFolder_,
        TkmNetUpdate::temporaryFolderFor(privateTemporaryFolder(), programFolder_));
}

TOnlineUpdate::~TOnlineUpdate() = default;

QString TOnlineUpdate::slotText(int slot) const {
    return translator_.lookupText(QStringLiteral("IDS_%1").arg(slot + FirstKey)) + u' ';
}

void TOnlineUpdate::initialise(const QString& versionText, const QString& address, const QString& infoFile,
                               int language) {
    if (!component_)
        return;
    if (language >= 1 && language <= translator_.languageCount())
        translator_.selectLanguageByName(updateWindowLanguageNames().at(language - 1));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString path = address;
    component_->urlProtocol = takeProtocol(path);
    component_->URLPath = path;
    component_->URLFile = infoFile;
    component_->VersionNumber = comparableVersion(versionText);
    component_->runMode = RunMode::rmNormal;
    component_->ShowMessages = UpdateMessage::mAskUpgrade | UpdateMessage::mPromptCancel |
                               UpdateMessage::mConnLost | UpdateMessage::mHostUnreachable |
                               UpdateMessage::mNoFile;
    component_->MsgStrs.clear();
    for (int slot = 0; slot < TkmNetUpdate::SlotCount; ++slot)
        component_->MsgStrs << slotText(slot);
    wizard_->setCancelText(slotText(TkmNetUpdate::CancelButton));
    component_->OnLaunchUpdater = [this](bool& launch) { launchUpdater(launch); };
    QApplication::restoreOverrideCursor();
}

void TOnlineUpdate::check(bool now) {
    if (!component_) {
        boxes_->inform(UpdateDialogs::Kind::Error, slotText(TkmNetUpdate::Caption),
                       QStringLiteral("To perform update check, you have to be Administator!"));
        return;
    }
    if (!now)
        return;
    component_->ShowMessages |= UpdateMessage::mNoUpdateAvailable;
    component_->check();
    component_->ShowMessages &= ~UpdateMessages(UpdateMessage::mNoUpdateAvailable);
}

// The updater receives the downloaded setup's path; once it runs, the program ends without saving, so
// that the updater may replace its files.
void TOnlineUpdate::launchUpdater(bool& launch) {
    launch = false;
    const QString temp = component_->temporaryFolder();
    QString setup = component_->currentFile().isEmpty() ? QString() : temp + component_->currentFile();
    QFile marker(temp + QStringLiteral("Updater.upt"));
    if (setup.isEmpty() && marker.open(QIODevice::ReadOnly))
        setup = QString::fromUtf8(marker.readLine()).trimmed();
    marker.close();
    marker.remove();
    const QString updater = QDir(programFolder_).filePath(QStringLiteral("Update_Execute"));
    if (!QProcess::startDetached(updater, {setup}, programFolder_)) {
        boxes_->inform(UpdateDialogs::Kind::Error, slotText(TkmNetUpdate::Caption),
                       slotText(TkmNetUpdate::SourceMissing).replace(QStringLiteral("%s"), updater));
        return;
    }
    closeTimer_.start();
}

} // namespace vespera
