#include "UpdateFakes.h"
#include "platform/FileTransfer.h"
#include "platform/SignatureVerifier.h"
#include "platform/linux/OpenSslSignatureVerifier.h"
#include "update/SignatureCheck.h"
#include "update/TkmNetUpdate.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vespera;

namespace {

constexpr qint32 SetupSize = 100000;
constexpr const char* SetupFile = "vespera-setup.tar.gz";
// Where the information and the files come from: the test's web server, local folders through file
// addresses, or a port where nothing listens.
enum class Where { Web, Files, Closed };

struct Case {
    const char* name;
    Where where;
    const char* offered;  // version
    const char* fileName; // as the server names it
    qint32 announcedSize; // FileSize in the information
    const char* filePath; // FilePath after the server's address: "cut/" sends half and hangs up
    QList<bool> answers;  // to the upgrade question, then to the cancel question
    int cancelAtBlock;
    int slot; // of the last box shown
    bool launched;
};

} // namespace

TEST(NetUpdateLoopback, DownloadsTheOfferedFileOrStopsCleanly) {
    using U = TkmNetUpdate;
    const Where W = Where::Web, F = Where::Files;
    const Case cases[] = {
        {"no newer version", W, "0.1", SetupFile, SetupSize, "", {}, 0, U::NoNewerVersion, false},
        {"answer No", W, "0.2", SetupFile, SetupSize, "", {false}, 0, U::NewVersionFirst, false},
        {"answer Yes", W, "0.2", SetupFile, SetupSize, "", {true}, 0, U::NewVersionFirst, true},
        {"not on the server", W, "0.2", "missing.tar.gz", SetupSize, "", {true}, 0, U::NotFound404, false},
        {"server hangs up", W, "0.2", SetupFile, SetupSize, "cut/", {true}, 0, U::ConnectionLost, false},
        {"wrong size", W, "0.2", SetupFile, SetupSize + 1, "", {true}, 0, U::FileCorrupt, false},
        {"name leaves the folder", W, "0.2", "../evil", 5, "", {true}, 0, U::FileCorrupt, false},
        {"cancel confirmed", W, "0.2", SetupFile, SetupSize, "", {true, true}, 2, U::ConfirmCancel, false},
        {"cancel withdrawn", W, "0.2", SetupFile, SetupSize, "", {true, false}, 2, U::ConfirmCancel, true},
        {"file addresses", F, "0.2", SetupFile, SetupSize, "", {true}, 0, U::NewVersionFirst, true},
        {"nobody listens", Where::Closed, "0.2", SetupFile, SetupSize, "", {}, 0, U::HostUnreachable, false},
    };
    QTemporaryDir served, temp, keys;
    writeFile(served.filePath(SetupFile), QByteArray(SetupSize, 'v'));
    const QString key = keys.filePath(QStringLiteral("key.pem"));
    const std::unique_ptr<SignatureVerifier> verifier = createSignatureVerifier();
    const SignatureCheck signature(*verifier, signUpdate({QStringLiteral("--new-key"), key}));
    signUpdate({key, served.filePath(SetupFile)});
    QStringList texts;
    for (int i = 0; i < U::SlotCount; ++i)
        texts << QStringLiteral("<%1 %s> ").arg(i);
    LoopbackServer server(served.path());
    const std::unique_ptr<FileTransfer> transfer = createFileTransfer();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString web = QStringLiteral("127.0.0.1:%1/").arg(c.where == Where::Closed ? 1 : server.port());
        const bool files = c.where == Where::Files;
        writeFile(
            served.filePath(QStringLiteral("vsp_update.inf")),
            InfoStream()
                .file(QString::fromLatin1(c.fileName), c.announcedSize)
                .text("Protocol", files ? QStringLiteral("file://") : QStringLiteral("http://"))
                .text("FilePath", (files ? served.path() + u'/' : web) + QString::fromLatin1(c.filePath))
                .text("VersionNumber", QString::fromLatin1(c.offered))
                .text("ExeFile", QString::fromLatin1(SetupFile))
                .ident("UpgradeMethod", files ? "umUseExternalSetup" : "umSelfUpgrade")
                .bytes());
        ScriptedDialogs dialogs;
        dialogs.answers = c.answers;
        ScriptedProgress progress;
        progress.cancelAtBlock = c.cancelAtBlock;
        TkmNetUpdate update(*transfer, signature, dialogs, progress, served.path(), temp.path());
        update.urlProtocol = files ? URLProtocol::pFILE : URLProtocol::pHTTP;
        update.URLPath = files ? served.path() + u'/' : web;
        update.URLFile = QStringLiteral("vsp_update.inf");
        update.VersionNumber = QStringLiteral("0.1.0");
        update.ShowMessages = UpdateMessage::mAskUpgrade | UpdateMessage::mConnLost | UpdateMessage::mNoFile |
                              UpdateMessage::mHostUnreachable | UpdateMessage::mNoUpdateAvailable;
        update.MsgStrs = texts;
        bool launched = false;
        update.OnLaunchUpdater = [&](bool&) { launched = true; };
        update.check();
        ASSERT_FALSE(dialogs.shown.isEmpty());
        EXPECT_TRUE(dialogs.shown.last().startsWith(texts[c.slot].left(4)))
            << dialogs.shown.last().toStdString();
        EXPECT_EQ(launched, c.launched);
        EXPECT_FALSE(progress.visible);
        EXPECT_FALSE(QFile::exists(served.filePath(QStringLiteral("evil"))));
        const QStringList left = QDir(temp.path()).entryList(QDir::Files);
        EXPECT_EQ(left.contains(SetupFile) && left.contains("vsp_update.nui"), c.launched);
        for (const QString& f : left)
            QFile::remove(temp.filePath(f));
    }
}

// Without its library nothing can be checked: a well signed file is refused, and the reason names the
// library.
TEST(NetUpdateLoopback, RefusesEverySignatureWithoutTheLibrary) {
    QTemporaryDir folder;
    const QString key = folder.filePath(QStringLiteral("key.pem"));
    const QString setup = folder.filePath(QLatin1String(SetupFile));
    writeFile(setup, QByteArray(SetupSize, 'v'));
    const QByteArray publicKey = signUpdate({QStringLiteral("--new-key"), key});
    signUpdate({key, setup});
    QFile signatureFile(setup + QStringLiteral(".sig"));
    ASSERT_TRUE(signatureFile.open(QIODevice::ReadOnly));
    const QByteArray signature = signatureFile.readAll();
    const OpenSslSignatureVerifier present, missing("libvespera-absent.so.0");
    EXPECT_TRUE(SignatureCheck(present, publicKey).verifies(setup, signature));
    EXPECT_TRUE(present.unavailableReason().isEmpty());
    EXPECT_FALSE(SignatureCheck(missing, publicKey).verifies(setup, signature));
    EXPECT_TRUE(missing.unavailableReason().contains(QStringLiteral("libvespera-absent.so.0")));
}
