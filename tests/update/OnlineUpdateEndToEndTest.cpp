// The "Update" menu item of the main window against a web server on 127.0.0.1: the question, the
// download, and the hand-over to the updater, after which the program ends without saving.
#include "../ui/MainFormFixture.h"
#include "UpdateFakes.h"
#include "update/TOnlineUpdate.h"
#include "update/UpdateMessageBoxes.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

using namespace vespera;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Case {
    const char* name;
    bool administrator;
    int language;
    const char* offered;
    bool answer;               // to the first box
    const char* firstBoxStart; // the first box's text starts so
    bool handedOver;
};

} // namespace

TEST_F(MainFormFixture, UpdateMenuItemAsksDownloadsAndHandsOver) {
    const Case cases[] = {
        {"no newer version", true, 2, "1.2.3.0", true, "No newer version is available. ", false},
        {"newer, answered No", true, 1, "1.3", false, "Eine neue Version ist verfügbar. \r\nFaster", false},
        {"newer, answered Yes", true, 2, "1.10", true, "A new version is availabe. \r\nFaster", true},
        {"no administrator", false, 2, "1.10", true, "To perform update check, you have", false},
    };
    QTemporaryDir served, programFolder, temp;
    writeFile(served.filePath("setup.tar.gz"), QByteArray(50000, 's'));
    // The updater records how it was started.
    const QString updater = programFolder.filePath(QStringLiteral("Update_Execute"));
    writeFile(updater, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/started-with\"\n");
    QFile::setPermissions(updater, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("TMPDIR", temp.path().toUtf8());
    LoopbackServer server(served.path());
    updateAddress = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(served.filePath("vsp_update.inf"),
                  InfoStream()
                      .file(QStringLiteral("setup.tar.gz"), 50000)
                      .text("Protocol", QStringLiteral("http://"))
                      .text("FilePath", updateAddress.mid(7))
                      .text("VersionNumber", QString::fromLatin1(c.offered))
                      .text("UpgradeMsg", QStringLiteral("Faster"))
                      .bytes());
        QElapsedTimer clock;
        qint64 endedAfter = -1;
        TOnlineUpdate update(programFolder.path(), c.administrator, [&] { endedAfter = clock.elapsed(); });
        update.messageBoxes().setScriptedAnswers({c.answer});
        onlineUpdate = &update;
        host.dispatcher().selectLanguage(c.language);
        open();
        const QByteArray settingsBefore = readFile(store.filePath());
        child<QAction>("Update1")->trigger();
        clock.start();
        ASSERT_EQ(update.messageBoxes().answeredTexts().size(), 1);
        EXPECT_TRUE(
            update.messageBoxes().answeredTexts().first().startsWith(QString::fromUtf8(c.firstBoxStart)))
            << update.messageBoxes().answeredTexts().first().toStdString();
        const QString started = programFolder.filePath(QStringLiteral("started-with"));
        EXPECT_EQ(QTest::qWaitFor([&] { return endedAfter >= 0; }, c.handedOver ? 2000 : 700), c.handedOver);
        EXPECT_TRUE(!c.handedOver || endedAfter >= 450) << endedAfter;
        EXPECT_EQ(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, c.handedOver ? 2000 : 1),
                  c.handedOver);
        const QByteArray expected = "1\n" + temp.filePath(QStringLiteral("setup.tar.gz")).toUtf8() + "\n";
        EXPECT_EQ(readFile(started), c.handedOver ? expected : QByteArray());
        EXPECT_FALSE(QFileInfo::exists(temp.filePath(QStringLiteral("Updater.upt"))));
        EXPECT_EQ(readFile(store.filePath()), settingsBefore);
        QFile::remove(started);
        form.reset();
    }
}
