#include <gtest/gtest.h>

#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace vespera;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    SettingsStore store{SettingsStore::settingsFolder(root.path() + "/config")};

    void writeFile(const QByteArray& bytes) {
        ASSERT_TRUE(store.ensureFolder());
        QFile file(store.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile() const {
        QFile file(store.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static Settings defaults(int language) {
        Settings settings;
        settings.Language = language;
        return settings;
    }

    // Saves every value away from its default and reads it back; the damping length is never written.
    void expectEverySettingSurvives(const QByteArray& before);
};

// Every value away from its default, so a key that is lost or crossed with another shows.
Settings everythingChanged() {
    Settings s;
    s.proz_taskbar = 55;
    s.net_taskbar = 123;
    s.type = "Reboot";
    s.process = "/opt/Werkzeug/M\u00fcller tool";
    s.processpercent = 7;
    s.time = 2700;
    s.customtime = 99;
    s.networkcard = 2;
    s.submethod = "sub2";
    s.Stunde = 23;
    s.Minute = 59;
    s.Sekunde = 58;
    s.DayofMonth = 31;
    s.fexemethod = s.processormethod = 1;
    s.fexepath = "/usr/bin/backup run";
    s.fexeparam = "--all = yes";
    s.Language = 2;
    s.armed = s.startwithwindows = s.startminimized = s.fexeafter = s.Daempfung = true;
    s.Montag = s.Dienstag = s.Mittwoch = s.Donnerstag = s.Freitag = s.Samstag = s.Sonntag = true;
    s.Fprocess = s.Fkey = s.Fnet = s.fproz = s.ftime = true;
    s.Enabelafterrestart = s.FullscreenCountdown = s.KeepAwake = s.WarnAhead = false;
    return s;
}

// Restores the file-size limit that a test lowered to stand for a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit saved_{};
};

void SettingsStoreTest::expectEverySettingSurvives(const QByteArray& before) {
    store.save(everythingChanged());
    Settings expected = everythingChanged();
    expected.fmaxdaempfung = Settings().fmaxdaempfung;
    EXPECT_EQ(store.load(1), expected) << before.left(40).toStdString();
}

} // namespace

TEST_F(SettingsStoreTest, NoFileGivesEveryDefaultAndEverySettingSurvivesSaveAndLoad) {
    EXPECT_EQ(store.filePath(), root.path() + "/config/ORBELAN/Vespera/vsp-settings.ini");
    EXPECT_FALSE(store.exists());
    EXPECT_EQ(store.load(2), defaults(2));
    EXPECT_EQ(store.load(1).Language, 1);
    expectEverySettingSurvives("no file");
    EXPECT_TRUE(store.exists());
}

TEST_F(SettingsStoreTest, NewFileHoldsEveryKeyButTheDampingLengthInWritingOrder) {
    store.save(Settings());
    // The keys one after another, each with its default, on lines of their own.
    const QString expected =
        "[Settings] proz_taskbar=10 net_taskbar=0 armed=0 type=Ausschalten Fprocess=0 Fkey=0 "
        "Fnet=0 fproz=0 ftime=0 process= processpercent=1 time=300 networkcard=0 "
        "startminimized=0 startwithwindows=0 Enabelafterrestart=1 submethod=sub1 Stunde=0 "
        "Minute=0 Sekunde=0 DayofMonth=1 Language=1 Montag=0 Dienstag=0 Mittwoch=0 "
        "Donnerstag=0 Freitag=0 Samstag=0 Sonntag=0 FullscreenCountdown=1 Daempfung=0 "
        "processormethod=0 fexeafter=0 fexemethod=0 fexepath= fexeparam= customtime=60 "
        "KeepAwake=1 WarnAhead=1";
    EXPECT_EQ(QString::fromUtf8(readFile()).split('\n'), expected.split(' ') << "");
}

TEST_F(SettingsStoreTest, HandEditedValuesReadAsTheOriginalDid) {
    writeFile("[Settings]\r\n"
              "time=45\r\n"
              "armed=yes\r\n"
              "net_taskbar=0x20\r\n"
              "proz_taskbar=$20\r\n"
              "fmaxdaempfung=10\r\n"
              "processpercent=\r\n");
    Settings s = store.load(1);
    EXPECT_EQ(s.time, 45);
    EXPECT_FALSE(s.armed);
    EXPECT_EQ(s.net_taskbar, 32);
    EXPECT_EQ(s.proz_taskbar, 32);
    EXPECT_EQ(s.fmaxdaempfung, 10);
    EXPECT_EQ(s.processpercent, 1);

    s.fmaxdaempfung = 99;
    store.save(s);
    store.save(store.load(1));
    EXPECT_EQ(store.load(1).fmaxdaempfung, 10);
    EXPECT_EQ(readFile().count("fmaxdaempfung"), 1);
    EXPECT_TRUE(readFile().contains("fmaxdaempfung=10\r\n"));
}

TEST_F(SettingsStoreTest, SaveKeepsForeignLinesAndTheFileLineEnds) {
    writeFile("; written by hand\r\n"
              "[Other]\r\n"
              "proz_taskbar=77\r\n"
              "\r\n"
              "[SETTINGS]\r\n"
              "Proz_Taskbar=5\r\n"
              "mystery=keep me\r\n"
              "ARMED=1\r\n"
              "\r\n"
              "[Later]\r\n"
              "x=1\r\n");
    Settings s = store.load(1);
    EXPECT_EQ(s.proz_taskbar, 5);
    EXPECT_TRUE(s.armed);
    s.proz_taskbar = 20;
    store.save(s);
    const QByteArray after = readFile();
    EXPECT_TRUE(after.startsWith("; written by hand\r\n"
                                 "[Other]\r\n"
                                 "proz_taskbar=77\r\n"
                                 "\r\n"
                                 "[SETTINGS]\r\n"
                                 "Proz_Taskbar=20\r\n"
                                 "mystery=keep me\r\n"
                                 "ARMED=1\r\n"
                                 "net_taskbar=0\r\n"))
        << after.toStdString();
    EXPECT_TRUE(after.endsWith("customtime=60\r\n"
                               "KeepAwake=1\r\n"
                               "WarnAhead=1\r\n"
                               "\r\n"
                               "[Later]\r\n"
                               "x=1\r\n"))
        << after.toStdString();
    EXPECT_EQ(after.count('\n'), after.count("\r\n"));
}

TEST_F(SettingsStoreTest, WindowsCodePagePathComesBackAsUtf8) {
    writeFile("[Settings]\r\nprocess=C:\\Programme\\Gr\xF6\xDF"
              "e M\xFCller\\tool.exe\r\n");
    const QString path = QString::fromUtf8("C:\\Programme\\Größe Müller\\tool.exe");
    EXPECT_EQ(store.load(1).process, path);
    store.save(store.load(1));
    const QByteArray bytes = readFile();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains("process=" + path + "\r\n"));
    EXPECT_EQ(store.load(1).process, path);
}

TEST_F(SettingsStoreTest, OneStrayByteNeitherGarblesUtf8PathsNorChangesForeignLines) {
    const QByteArray foreign = "note=f\xFCr sp\xE4ter\r\n";
    writeFile("[Settings]\r\n" + foreign + "process=/home/j\xC3\xBCrgen/tool\r\n");
    EXPECT_EQ(store.load(1).process, QString::fromUtf8("/home/jürgen/tool"));
    store.save(store.load(1));
    store.save(store.load(1));
    const QByteArray after = readFile();
    EXPECT_TRUE(after.startsWith("[Settings]\r\n" + foreign)) << after.toStdString();
    EXPECT_TRUE(after.contains("process=/home/j\xC3\xBCrgen/tool\r\n")) << after.toStdString();
}

TEST_F(SettingsStoreTest, HostileFilesGiveDefaultsAndKeepTheirLinesThroughASave) {
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& byte : junk)
        byte = static_cast<char>(random.bounded(256));
    const QByteArray longLine = QByteArray(1 << 20, 'x');
    const QByteArray cases[] = {
        junk,
        longLine,
        "[Settings]\n" + longLine + "\n",
        "proz_taskbar=50\narmed=1\n",
        "[Settings\nproz_taskbar=50\n",
        "\xEF\xBB\xBF",
        "[Settings]\r\nproz_taskbar\r\narmed\r\n",
    };
    for (const QByteArray& bytes : cases) {
        writeFile(bytes);
        EXPECT_EQ(store.load(1), defaults(1)) << bytes.left(40).toStdString();
        expectEverySettingSurvives(bytes);
        if (bytes == longLine) {
            EXPECT_TRUE(readFile().startsWith(longLine + "\n\n[Settings]\n"));
        }
    }
}

TEST_F(SettingsStoreTest, UnreadableFileGivesDefaultsAndIsNotOverwritten) {
    ASSERT_TRUE(QDir().mkpath(store.filePath()));
    EXPECT_TRUE(store.exists());
    EXPECT_EQ(store.load(1), defaults(1));
    EXPECT_THROW(store.save(Settings()), SettingsWriteError);
    EXPECT_TRUE(QFileInfo(store.filePath()).isDir());
    ASSERT_TRUE(QDir(store.filePath()).removeRecursively());

    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from reading";
    writeFile("[Settings]\nproz_taskbar=50\n");
    QFile::setPermissions(store.filePath(), QFileDevice::WriteOwner);
    EXPECT_EQ(store.load(1), defaults(1));
    EXPECT_THROW(store.save(Settings()), SettingsWriteError);
    QFile::setPermissions(store.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(readFile(), "[Settings]\nproz_taskbar=50\n");
}

TEST_F(SettingsStoreTest, FailedWriteThrowsWithThePathAndLeavesTheOldFile) {
    const QByteArray old = "[Settings]\nproz_taskbar=50\n; a note that stays\n";
    writeFile(old);
    {
        const FileSizeLimit fullDisk(16);
        try {
            store.save(everythingChanged());
            ADD_FAILURE() << "a write past the size limit reported success";
        } catch (const SettingsWriteError& error) {
            EXPECT_TRUE(error.message().contains(store.filePath())) << error.what();
        }
    }
    EXPECT_EQ(readFile(), old);
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"vsp-settings.ini"});

    QFile blocker(root.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const SettingsStore blocked(SettingsStore::settingsFolder(blocker.fileName()));
    EXPECT_FALSE(blocked.ensureFolder());
    EXPECT_THROW(blocked.save(Settings()), SettingsWriteError);
    EXPECT_EQ(blocked.load(2), defaults(2));
}

TEST_F(SettingsStoreTest, ReadOnlyFolderMakesSaveThrowAndKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root from writing";
    writeFile("[Settings]\nproz_taskbar=50\n");
    QFile::setPermissions(store.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(store.save(Settings()), SettingsWriteError);
    QFile::setPermissions(store.folder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readFile(), "[Settings]\nproz_taskbar=50\n");
}
