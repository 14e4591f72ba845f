// The "Update" menu item of the main window against a web server on 127.0.0.1: the question, the
// download, and the hand-over to the updater, after which the program ends without saving. Only a setup
// signed by a trusted key is handed over; any other is deleted before anything runs.
#include "../ui/MainFormFixture.h"
#include "UpdateFakes.h"
#include "update/SignatureCheck.h"
#include "update/TOnlineUpdate.h"
#include "update/UpdateMessageBoxes.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <unistd.h>

using namespace vespera;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What happens to the setup or its signature between signing and the download.
enum class Tamper { None, NoSignature, OtherFile, OtherKey, Truncated, ChangedByte };

struct Case {
    const char* name;
    bool administrator;
    int language;
    const char* offered;
    bool answer;               // to the first box
    const char* firstBoxStart; // the first box's text starts so
    bool handedOver;
    Tamper tamper = Tamper::None;
};

// Puts the setup and its signature, made with tools/sign-update, on the server.
void publish(const QString& setup, const QString& key, const QString& otherKey, Tamper tamper) {
    QByteArray bytes(50000, 's');
    writeFile(setup, bytes);
    signUpdate({tamper == Tamper::OtherKey ? otherKey : key, setup});
    QFile signature(setup + QStringLiteral(".sig"));
    if (tamper == Tamper::NoSignature || tamper == Tamper::OtherFile)
        signature.remove();
    if (tamper == Tamper::OtherFile) {
        writeFile(setup + QStringLiteral(".x"), "another file");
        signUpdate({key, setup + QStringLiteral(".x")});
        QFile::rename(setup + QStringLiteral(".x.sig"), signature.fileName());
    }
    if (tamper == Tamper::Truncated && signature.open(QIODevice::ReadWrite))
        signature.resize(signature.size() / 2);
    if (tamper == Tamper::ChangedByte)
        writeFile(setup, bytes.replace(20000, 1, "t"));
}

} // namespace

TEST_F(MainFormFixture, UpdateMenuItemAsksDownloadsAndHandsOver) {
    const char* newer = "A new version is availabe. \r\nFaster";
    const Case cases[] = {
        {"no newer version", true, 2, "1.2.3.0", true, "No newer version is available. ", false},
        {"newer, answered No", true, 1, "1.3", false, "Eine neue Version ist verfügbar. \r\nFaster", false},
        {"newer, answered Yes", true, 2, "1.10", true, "A new version is availabe. \r\nFaster", true},
        {"no administrator", false, 2, "1.10", true, "To perform update check, you have", false},
        {"no signature", true, 2, "1.10", true, newer, false, Tamper::NoSignature},
        {"another file's signature", true, 2, "1.10", true, newer, false, Tamper::OtherFile},
        {"another key's signature", true, 2, "1.10", true, newer, false, Tamper::OtherKey},
        {"truncated signature", true, 2, "1.10", true, newer, false, Tamper::Truncated},
        {"setup changed after signing", true, 2, "1.10", true, newer, false, Tamper::ChangedByte},
    };
    QTemporaryDir served, programFolder, temp;
    const QString key = programFolder.filePath("key.pem"), otherKey = programFolder.filePath("other.pem");
    writeFile(programFolder.filePath(QLatin1String(SignatureCheck::KeyFileName)),
              "# the test's key\n" + signUpdate({QStringLiteral("--new-key"), key}));
    signUpdate({QStringLiteral("--new-key"), otherKey});
    // The updater records how it was started.
    const QString updater = programFolder.filePath(QStringLiteral("Update_Execute"));
    writeFile(updater, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/started-with\"\n");
    QFile::setPermissions(updater, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("TMPDIR", temp.path().toUtf8());
    // Downloads go to a folder of the user's own inside the temporary folder.
    const QDir downloads(temp.filePath(QStringLiteral("vespera-%1-update").arg(::getuid())));
    LoopbackServer server(served.path());
    updateAddress = QStringLiteral("http://127.0.0.1:%1/").arg(server.port());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        publish(served.filePath("setup.tar.gz"), key, otherKey, c.tamper);
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
        TOnlineUpdate update(programFolder.path(), ProductIdentity().updateKey, c.administrator,
                             [&] { endedAfter = clock.elapsed(); });
        update.messageBoxes().setScriptedAnswers({c.answer, true});
        onlineUpdate = &update;
        host.dispatcher().selectLanguage(c.language);
        open();
        const QByteArray settingsBefore = readFile(store.filePath());
        child<QAction>("Update1")->trigger();
        clock.start();
        const QStringList& boxes = update.messageBoxes().answeredTexts();
        ASSERT_EQ(boxes.size(), c.tamper == Tamper::None ? 1 : 2);
        EXPECT_TRUE(c.tamper == Tamper::None || boxes.last().startsWith("The update could not be verified"));
        EXPECT_TRUE(
            update.messageBoxes().answeredTexts().first().startsWith(QString::fromUtf8(c.firstBoxStart)))
            << update.messageBoxes().answeredTexts().first().toStdString();
        const QString started = programFolder.filePath(QStringLiteral("started-with"));
        EXPECT_EQ(QTest::qWaitFor([&] { return endedAfter >= 0; }, c.handedOver ? 2000 : 700), c.handedOver);
        EXPECT_TRUE(!c.handedOver || endedAfter >= 450) << endedAfter;
        EXPECT_EQ(QTest::qWaitFor([&] { return QFileInfo::exists(started); }, c.handedOver ? 2000 : 1),
                  c.handedOver);
        const QByteArray expected =
            "1\n" + downloads.filePath(QStringLiteral("setup.tar.gz")).toUtf8() + "\n";
        EXPECT_EQ(readFile(started), c.handedOver ? expected : QByteArray());
        EXPECT_FALSE(QFileInfo::exists(downloads.filePath(QStringLiteral("Updater.upt"))));
        const QStringList left = downloads.entryList(QDir::Files);
        EXPECT_EQ(left, c.handedOver ? QStringList({"setup.tar.gz", "vsp_update.nui"}) : QStringList());
        for (const QString& file : left)
            QFile::remove(downloads.filePath(file));
        EXPECT_EQ(readFile(store.filePath()), settingsBefore);
        QFile::remove(started);
        form.reset();
    }
}
