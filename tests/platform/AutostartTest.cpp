#include <gtest/gtest.h>

#include "settings/SettingsWriteError.h"
#include "platform/Autostart.h"
#include "platform/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vespera;

namespace {

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + "/deep/config")); }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    QTemporaryDir root;
};

QStringList entryLines(const Autostart& autostart) {
    QFile file(autostart.entryPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
}

} // namespace

TEST_F(AutostartTest, EntryStartsTheProgramWithItsPathQuotedWhereNeeded) {
    const struct {
        const char* program;
        const char* exec;
    } cases[] = {
        {"/usr/bin/vespera", "Exec=/usr/bin/vespera"},
        {"/opt/My Tools/vespera", "Exec=\"/opt/My Tools/vespera\""},
        {"/opt/50%/vespera", "Exec=/opt/50%%/vespera"},
        {"/opt/a\"b/vespera", "Exec=\"/opt/a\\\\\"b/vespera\""},
        {"/opt/$HOME/vespera", "Exec=\"/opt/\\\\$HOME/vespera\""},
        {"/opt/back\\slash/vespera", "Exec=\"/opt/back\\\\\\\\slash/vespera\""},
        {"/opt/it's/M\u00fcller;1/vespera", "Exec=\"/opt/it's/M\u00fcller;1/vespera\""},
    };
    const Autostart autostart(configFolder());
    EXPECT_EQ(autostart.entryPath(), root.path() + "/deep/config/autostart/Kestrelbook.desktop");
    for (const auto& c : cases) {
        autostart.addAutostartEntry(QString::fromUtf8(c.program));
        const QStringList lines = entryLines(autostart);
        EXPECT_EQ(lines.value(0), "[Desktop Entry]");
        EXPECT_TRUE(lines.contains("Type=Application"));
        EXPECT_TRUE(lines.contains("Name=Vespera"));
        EXPECT_EQ(lines.filter(QRegularExpression("^Exec=")), QStringList{QString::fromUtf8(c.exec)})
            << c.program;
    }
}

TEST_F(AutostartTest, RemoveDeletesTheEntryAndIsHarmlessWithoutOne) {
    const Autostart autostart(configFolder());
    EXPECT_NO_THROW(autostart.removeAutostartEntry());
    autostart.addAutostartEntry("/usr/bin/vespera");
    EXPECT_TRUE(QFile::exists(autostart.entryPath()));
    autostart.removeAutostartEntry();
    EXPECT_FALSE(QFile::exists(autostart.entryPath()));
    EXPECT_NO_THROW(autostart.removeAutostartEntry());
    EXPECT_TRUE(QDir(root.path() + "/deep/config/autostart").isEmpty());
}

TEST_F(AutostartTest, UnwritableFolderThrows) {
    QFile blocker(root.path() + "/deep");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_THROW(Autostart(configFolder()).addAutostartEntry("/usr/bin/vespera"), SettingsWriteError);
}
