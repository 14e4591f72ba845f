#pragma once

#include "update/TnuServer.h"

#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>

namespace vespera {

class FileTransfer;
class SignatureCheck;
class UpdateDialogs;
class UpdateProgress;
struct TransferOutcome;

enum class URLProtocol { pHTTP, pHTTPS, pFTP, pFILE };
enum class RunMode { rmNormal, rmSilent, rmHide };
enum class UpdateMessage {
    mAskUpgrade = 0x01,
    mPromptCancel = 0x02,
    mConnLost = 0x04,
    mHostUnreachable = 0x08,
    mNoFile = 0x10,
    mNoUpdateAvailable = 0x20,
    mPasswordRequest = 0x40
};
Q_DECLARE_FLAGS(UpdateMessages, UpdateMessage)
Q_DECLARE_OPERATORS_FOR_FLAGS(UpdateMessages)

// The update component: fetches the update information, compares versions, asks, downloads the
// offered files into the temporary folder and hands over to the updater. A check runs to its end on
// the calling thread; the progress window keeps the user interface alive meanwhile.
class TkmNetUpdate {
public:
    // The message slots, in the order of the message table.
    enum Slot {
        Caption = 0,
        Retrieving = 8,
        SourceLine = 6,
        FileLine = 7,
        ProgressLine = 9,
        YesButton = 15,
        NoButton = 16,
        OkButton = 17,
        CancelButton = 18,
        NewVersionFirst = 25,
        NewVersionLast = 26,
        NoNewerVersion = 27,
        SourceMissing = 28,
        FileCorrupt = 29,
        HostUnreachable = 31,
        ConfirmCancel = 32,
        NotFound404 = 33,
        ConnectionLost = 34,
        NotVerified = 35,
        SlotCount = 36
    };

    // signature: which downloads count; a file without a valid signature beside it is never kept.
    TkmNetUpdate(FileTransfer& transfer, const SignatureCheck& signature, UpdateDialogs& dialogs,
                 UpdateProgress& progress, QString programFolder, QString temporaryFolder);

    // The temporary folder rule: the system's temporary folder with a trailing "/"; when it does not
    // exist, "Temp/" below the program folder, created on demand.
    static QString temporaryFolderFor(const QString& systemTemporary, const QString& programFolder);

    bool Active = true;
    URLProtocol urlProtocol = URLProtocol::pHTTP;
    QString URLPath;
    QString URLFile;
    QString VersionNumber;
    UpdateMessages ShowMessages;
    RunMode runMode = RunMode::rmNormal;
    bool WarnOnCancel = true;
    QStringList MsgStrs;
    // Raised after a complete download; the handler answers whether the component should start an
    // updater of its own (it starts none: the program's handler always takes over).
    std::function<void(bool& launch)> OnLaunchUpdater;

    // Runs one check to its end.
    void check();

    const QString& temporaryFolder() const { return temporaryFolder_; }
    // The file of the last download that began, empty before.
    const QString& currentFile() const { return currentFile_; }

private:
    static bool isPlainFileName(const QString& name);
    QString slot(int index) const { return MsgStrs.value(index); }
    bool showing(UpdateMessage m) const { return ShowMessages.testFlag(m); }
    QString infoAddress() const;
    bool fetchInfo(const QString& address, const QString& local);
    void offer(const TnuServer& server);
    bool downloadAll(const TnuServer& server);
    bool downloadOne(const TnuServer& server, const TServerFile& file);
    bool signedByTrustedKey(const QString& address, const QString& destination);
    void writeMarker(const QString& destination) const;
    bool keepGoing(qint64 received, qint64 total, qint64 expected, qint64 startedMs);
    void reportFailure(const TransferOutcome& outcome, const QString& address);
    void deleteDownloads(const TnuServer& server) const;
    bool finish(const TnuServer& server);
    bool writeInstallationInfo(const QStringList& lines) const;
    QString installedPath(const TServerFile& file) const;

    FileTransfer& transfer_;
    const SignatureCheck& signature_;
    UpdateDialogs& dialogs_;
    UpdateProgress& progress_;
    QString programFolder_;
    QString temporaryFolder_;
    QString currentFile_;
};

} // namespace vespera
