#include "LoopbackServer.h"
#include "UpdateFakes.h"
#include "platform/FileTransfer.h"
#include "update/TkmNetUpdate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vespera;

namespace {

constexpr qint32 SetupSize = 100000;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Case {
    const char* name;
    const char* fileName;     // as the server names it
    qint32 announcedSize;     // FileSize in the information
    const char* folderSuffix; // below the served folder: "" or "cut/" (half the file, then hang up)
    QList<bool> answers;      // to the upgrade question, then to the cancel question
    int cancelAtBlock;
    int messageSlot; // the slot of the last box shown; -1 for none after the question
    bool launched;
};

class NetUpdateLoopback : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(served_.isValid() && temp_.isValid());
        QDir(served_.path()).mkpath(QStringLiteral("downloads/inf"));
        writeFile(served_.filePath(QStringLiteral("vespera-setup.tar.gz")), QByteArray(SetupSize, 'v'));
        for (int i = 0; i < TkmNetUpdate::SlotCount; ++i)
            slots_ << QStringLiteral("<%1 %s> ").arg(i);
    }

    void publish(const InfoStream& info) {
        writeFile(served_.filePath(QStringLiteral("downloads/inf/vsp_update.inf")), info.bytes());
    }

    TkmNetUpdate component(URLProtocol protocol, const QString& path) {
        TkmNetUpdate update(*transfer_, dialogs_, progress_, served_.path(), temp_.path());
        update.urlProtocol = protocol;
        update.URLPath = path;
        update.URLFile = QStringLiteral("vsp_update.inf");
        update.VersionNumber = QStringLiteral("0.1.0");
        update.ShowMessages = UpdateMessage::mAskUpgrade | UpdateMessage::mPromptCancel |
                              UpdateMessage::mConnLost | UpdateMessage::mHostUnreachable |
                              UpdateMessage::mNoFile | UpdateMessage::mNoUpdateAvailable;
        update.MsgStrs = slots_;
        update.OnLaunchUpdater = [this](bool& launch) {
            launch = false;
            ++launches_;
        };
        return update;
    }

    QString lastShown() const { return dialogs_.shown.isEmpty() ? QString() : dialogs_.shown.last(); }
    bool shownSlot(int slot) const { return lastShown().startsWith(QStringLiteral("<%1 ").arg(slot)); }
    QStringList tempFiles() const { return QDir(temp_.path()).entryList(QDir::Files); }

    QTemporaryDir served_;
    QTemporaryDir temp_;
    std::unique_ptr<FileTransfer> transfer_ = createFileTransfer();
    ScriptedDialogs dialogs_;
    ScriptedProgress progress_;
    QStringList slots_;
    int launches_ = 0;
};

} // namespace

TEST_F(NetUpdateLoopback, NoNewerVersionSaysSo) {
    LoopbackServer server(served_.path());
    publish(InfoStream().text("VersionNumber", QStringLiteral("0.1")));
    component(URLProtocol::pHTTP, QStringLiteral("127.0.0.1:%1/downloads/inf/").arg(server.port())).check();
    EXPECT_EQ(dialogs_.shown, QStringList{slots_[TkmNetUpdate::NoNewerVersion]});
    EXPECT_TRUE(tempFiles().isEmpty());
}

TEST_F(NetUpdateLoopback, DownloadsTheOfferedFileOrStopsCleanly) {
    const int corrupt = TkmNetUpdate::FileCorrupt;
    const Case cases[] = {
        {"answer No",
         "vespera-setup.tar.gz",
         SetupSize,
         "",
         {false},
         0,
         TkmNetUpdate::NewVersionFirst,
         false},
        {"answer Yes", "vespera-setup.tar.gz", SetupSize, "", {true}, 0, TkmNetUpdate::NewVersionFirst, true},
        {"not on the server", "missing.tar.gz", SetupSize, "", {true}, 0, TkmNetUpdate::NotFound404, false},
        {"server hangs up",
         "vespera-setup.tar.gz",
         SetupSize,
         "cut/",
         {true},
         0,
         TkmNetUpdate::ConnectionLost,
         false},
        {"wrong size", "vespera-setup.tar.gz", SetupSize + 1, "", {true}, 0, corrupt, false},
        {"name leaves the folder", "../evil", 5, "", {true}, 0, corrupt, false},
        {"cancel confirmed",
         "vespera-setup.tar.gz",
         SetupSize,
         "",
         {true, true},
         2,
         TkmNetUpdate::ConfirmCancel,
         false},
        {"cancel withdrawn",
         "vespera-setup.tar.gz",
         SetupSize,
         "",
         {true, false},
         2,
         TkmNetUpdate::ConfirmCancel,
         true},
    };
    LoopbackServer server(served_.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs_ = {};
        dialogs_.answers = c.answers;
        progress_ = {};
        progress_.cancelAtBlock = c.cancelAtBlock;
        launches_ = 0;
        publish(
            InfoStream()
                .file(QString::fromLatin1(c.fileName), c.announcedSize)
                .text("Protocol", QStringLiteral("http://"))
                .text("FilePath", QStringLiteral("127.0.0.1:%1/%2").arg(server.port()).arg(c.folderSuffix))
                .text("VersionNumber", QStringLiteral("0.2"))
                .ident("UpgradeMethod", "umSelfUpgrade"));
        component(URLProtocol::pHTTP, QStringLiteral("127.0.0.1:%1/downloads/inf/").arg(server.port()))
            .check();
        EXPECT_TRUE(shownSlot(c.messageSlot)) << lastShown().toStdString();
        EXPECT_EQ(launches_, c.launched ? 1 : 0);
        EXPECT_FALSE(progress_.visible);
        EXPECT_FALSE(QFile::exists(served_.filePath(QStringLiteral("evil"))));
        const QStringList left = tempFiles();
        EXPECT_EQ(left.filter(QStringLiteral(".gz")).size() + left.filter(QStringLiteral(".nui")).size(),
                  c.launched ? 2 : 0)
            << left.join(u' ').toStdString();
        for (const QString& f : left)
            QFile::remove(temp_.filePath(f));
    }
}

TEST_F(NetUpdateLoopback, UnreachableServerSaysSo) {
    component(URLProtocol::pHTTP, QStringLiteral("127.0.0.1:1/downloads/inf/")).check();
    EXPECT_TRUE(shownSlot(TkmNetUpdate::HostUnreachable)) << lastShown().toStdString();
}

// The same update from local folders: the information copied, the setup fetched by a file address.
TEST_F(NetUpdateLoopback, WorksThroughFileAddresses) {
    dialogs_.answers = {true};
    publish(InfoStream()
                .file(QStringLiteral("vespera-setup.tar.gz"), SetupSize)
                .text("Protocol", QStringLiteral("file://"))
                .text("FilePath", served_.path() + u'/')
                .text("VersionNumber", QStringLiteral("0.2"))
                .text("ExeFile", QStringLiteral("vespera-setup.tar.gz"))
                .ident("UpgradeMethod", "umUseExternalSetup"));
    TkmNetUpdate update = component(URLProtocol::pFILE, served_.filePath(QStringLiteral("downloads/inf/")));
    update.check();
    EXPECT_EQ(launches_, 1);
    QFile marker(temp_.filePath(QStringLiteral("Updater.upt")));
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readLine().trimmed(), temp_.filePath(QStringLiteral("vespera-setup.tar.gz")).toUtf8());
    QFile info(temp_.filePath(QStringLiteral("vsp_update.nui")));
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    EXPECT_EQ(info.readAll().split('\n').value(2).trimmed(),
              temp_.filePath(QStringLiteral("vespera-setup.tar.gz")).toUtf8());
}
