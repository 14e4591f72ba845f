// The "Update" menu item of the main window against a web server on 127.0.0.1: the question, the
// download, and the hand-over to the updater, after which the program ends without saving.
#include "../ui/MainFormFixture.h"
#include "LoopbackServer.h"
#include "UpdateFakes.h"
#include "update/TOnlineUpdate.h"
#include "update/UpdateMessageBoxes.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

using namespace vespera;
using namespace std::chrono_literals;

namespace {

constexpr qint32 SetupSize = 50000;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Case {
    const char* name;
    bool administrator;
    int language;
    const char* offered;
    QList<bool> answers;
    const char* firstBoxStart; // the first box's text starts so
    bool handedOver;
};

class OnlineUpdateEndToEnd : public MainFormFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(served.isValid() && programFolder.isValid() && temp.isValid());
        QDir(served.path()).mkpath(QStringLiteral("downloads/inf"));
        writeFile(served.filePath(QStringLiteral("vespera-setup.tar.gz")), QByteArray(SetupSize, 's'));
        // The updater records how it was started.
        const QString updater = programFolder.filePath(QStringLiteral("Update_Execute"));
        writeFile(updater, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/started-with\"\n");
        QFile::setPermissions(updater, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("TMPDIR", temp.path().toUtf8());
    }

    void publish(const char* version) {
        writeFile(served.filePath(QStringLiteral("downloads/inf/vsp_update.inf")),
                  InfoStream()
                      .file(QStringLiteral("vespera-setup.tar.gz"), SetupSize)
                      .text("Protocol", QStringLiteral("http://"))
                      .text("FilePath", QStringLiteral("127.0.0.1:%1/").arg(server.port()))
                      .text("VersionNumber", QString::fromLatin1(version))
                      .text("UpgradeMsg", QStringLiteral("Faster start"))
                      .ident("UpgradeMethod", "umUseExternalSetup")
                      .text("ExeFile", QStringLiteral("vespera-setup.tar.gz"))
                      .bytes());
    }

    QTemporaryDir served;
    QTemporaryDir programFolder;
    QTemporaryDir temp;
    LoopbackServer server{served.path()};
};

} // namespace

TEST_F(OnlineUpdateEndToEnd, AsksDownloadsAndHandsOver) {
    const Case cases[] = {
        {"no newer version", true, 2, "1.2.3.0", {true}, "No newer version is available. ", false},
        {"newer, answered No",
         true,
         1,
         "1.3",
         {false},
         "Eine neue Version ist verfügbar. \r\nFaster start",
         false},
        {"newer, answered Yes", true, 2, "1.10", {true}, "A new version is availabe. \r\nFaster start", true},
        {"no administrator",
         false,
         2,
         "1.10",
         {true},
         "To perform update check, you have to be Administator!",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        publish(c.offered);
        QElapsedTimer clock;
        qint64 endedAfter = -1;
        TOnlineUpdate update(programFolder.path(), c.administrator, [&] { endedAfter = clock.elapsed(); });
        update.messageBoxes().setScriptedAnswers(c.answers);
        onlineUpdate = &update;
        updateAddress = QStringLiteral("http://127.0.0.1:%1/downloads/inf/").arg(server.port());
        host.dispatcher().selectLanguage(c.language);
        open();
        const QByteArray settingsBefore = readFile(store.filePath());
        child<QAction>("Update1")->trigger();
        clock.start();

        ASSERT_FALSE(update.messageBoxes().answeredTexts().isEmpty());
        EXPECT_TRUE(
            update.messageBoxes().answeredTexts().first().startsWith(QString::fromUtf8(c.firstBoxStart)))
            << update.messageBoxes().answeredTexts().first().toStdString();
        const QString started = programFolder.filePath(QStringLiteral("started-with"));
        EXPECT_EQ(QTest::qWaitFor([&] { return endedAfter >= 0; }, c.handedOver ? 2000 : 700), c.handedOver);
        if (c.handedOver) {
            EXPECT_GE(endedAfter, 450);
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, 2000));
            EXPECT_EQ(readFile(started),
                      "1\n" + temp.filePath(QStringLiteral("vespera-setup.tar.gz")).toUtf8() + "\n");
            EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("Updater.upt"))));
        }
        EXPECT_EQ(readFile(store.filePath()), settingsBefore);
        QFile::remove(started);
        form.reset();
    }
}
