#include <gtest/gtest.h>

#include "platform/DesktopTools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

using namespace vespera;

namespace {

struct OrderCase {
    const char* desktop;
    QStringList installed;
    const char* started;
};

// Fake desktop tools: shell scripts in a folder with blanks in its name. Each one that is started
// appends its full path and its arguments to the folder's "started.log".
class DesktopToolsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir(root.path()).mkpath(bin)); }

    QString binPath() const { return root.filePath(bin); }
    QString logPath() const { return root.filePath(bin + "/started.log"); }

    void addFile(const QString& name, const QByteArray& content, bool executable = true) const {
        QFile file(binPath() + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        const auto readWrite = QFile::ReadOwner | QFile::WriteOwner;
        file.setPermissions(executable ? readWrite | QFile::ExeOwner : readWrite);
    }

    void addTool(const QString& name) const { addFile(name, "#!/bin/sh\n" + logLine); }

    // A kcmshell that lists `modules` when asked with --list.
    void addModuleShell(const QString& name, const QByteArray& modules) const {
        addFile(name, "#!/bin/sh\n"
                      "if [ \"$1\" = --list ]; then\n"
                      "  echo 'The following modules are available:'\n"
                      "  for m in " +
                          modules +
                          "; do echo \"$m    - a module\"; done\n"
                          "  exit 0\n"
                          "fi\n" +
                          logLine);
    }

    QProcessEnvironment environment(const QString& desktop, const QString& path = {}) const {
        QProcessEnvironment environment;
        environment.insert("PATH", path.isNull() ? "/nonexistent:" + binPath() : path);
        environment.insert("XDG_CURRENT_DESKTOP", desktop);
        return environment;
    }

    // What the started tool logged, its own folder left out; empty when nothing was started in time.
    QString waitForStartedTool() const {
        QFile log(logPath());
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (log.open(QIODevice::ReadOnly)) {
                const QString logged = QString::fromUtf8(log.readAll());
                log.close();
                if (logged.endsWith('\n'))
                    return logged.chopped(1).replace(binPath() + '/', "");
            }
            QThread::msleep(10);
        }
        return {};
    }

    // Installs only the case's tools, runs `open` and tells what it started.
    QString startedBy(bool (DesktopTools::*open)() const, const OrderCase& c) const {
        QDir(binPath()).removeRecursively();
        QDir().mkpath(binPath());
        for (const QString& tool : c.installed)
            addTool(tool);
        return (DesktopTools(environment(c.desktop)).*open)() ? waitForStartedTool() : "(none)";
    }

    bool nothingStarted() const { return !QFile::exists(logPath()); }

    QTemporaryDir root;
    const QString bin = "fake tools";
    const QByteArray logLine = "echo \"$0 $*\" >> \"$(dirname \"$0\")/started.log\"\n";
};

} // namespace

TEST_F(DesktopToolsTest, PowerSettingsOfTheRunningDesktopComeFirstThenTheOthersInTurn) {
    const QStringList all = {"cinnamon-settings", "mate-power-preferences", "xfce4-power-manager-settings",
                             "systemsettings", "gnome-control-center"};
    const OrderCase cases[] = {
        {"", all, "gnome-control-center power"},
        {"ubuntu:GNOME", all, "gnome-control-center power"},
        {"KDE", all, "systemsettings kcm_powerdevilprofilesconfig"},
        {"XFCE", all, "xfce4-power-manager-settings "},
        {"mate", all, "mate-power-preferences "},
        {"X-Cinnamon", all, "cinnamon-settings power"},
        {"Budgie:Unknown:MATE:XFCE", all, "mate-power-preferences "},
        {"KDE", {"systemsettings5", "cinnamon-settings"}, "systemsettings5 powerdevilprofilesconfig"},
        {"KDE", {"mate-power-preferences", "xfce4-power-manager-settings"}, "xfce4-power-manager-settings "},
        {"GNOME", {"cinnamon-settings", "mate-power-preferences"}, "mate-power-preferences "},
        {"Pantheon", {"cinnamon-settings"}, "cinnamon-settings power"},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.desktop + (": " + c.installed.join(',').toStdString()));
        EXPECT_EQ(startedBy(&DesktopTools::openPowerSettings, c), c.started);
    }
}

TEST_F(DesktopToolsTest, SchedulingToolOfTheRunningDesktopComesFirst) {
    const OrderCase cases[] = {
        {"", {"zeit", "gnome-schedule"}, "gnome-schedule "},
        {"XFCE", {"zeit", "gnome-schedule"}, "gnome-schedule "},
        {"KDE", {"zeit", "gnome-schedule"}, "gnome-schedule "},
        {"LXQt", {"zeit"}, "zeit "},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.desktop);
        EXPECT_EQ(startedBy(&DesktopTools::openSchedulingTool, c), c.started);
    }
}

TEST_F(DesktopToolsTest, KdeModuleShellIsStartedOnlyWhenItListsTheModule) {
    const struct {
        const char* kcmshell6;
        const char* kcmshell5;
        const char* started;
    } cases[] = {
        {"kcm_cron kcm_kwin", "kcm_cron", "kcmshell6 kcm_cron"},
        {"kcm_kwin kcm_cron_extra", "kcm_cron", "kcmshell5 kcm_cron"},
        {"kcm_kwin", "kcm_kwin", "gnome-schedule "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.started);
        QFile::remove(logPath());
        addModuleShell("kcmshell6", c.kcmshell6);
        addModuleShell("kcmshell5", c.kcmshell5);
        addTool("gnome-schedule");
        EXPECT_TRUE(DesktopTools(environment("KDE")).openSchedulingTool());
        EXPECT_EQ(waitForStartedTool(), c.started);
    }
}

TEST_F(DesktopToolsTest, ToolThatFailsToStartGivesWayToTheNext) {
    addFile("gnome-control-center", "#!/nonexistent/interpreter\n");
    addFile("systemsettings", "\x7f"
                              "ELF broken");
    addTool("xfce4-power-manager-settings");
    EXPECT_TRUE(DesktopTools(environment("GNOME")).openPowerSettings());
    EXPECT_EQ(waitForStartedTool(), "xfce4-power-manager-settings ");
}

TEST_F(DesktopToolsTest, ToolIsStartedByItsFullPathFromTheFirstFolderThatHasIt) {
    const QString second = root.filePath("second folder");
    QDir().mkpath(second);
    addTool("mate-power-preferences");
    QFile::copy(binPath() + "/mate-power-preferences", second + "/mate-power-preferences");
    const QString path = binPath() + ':' + second;
    EXPECT_TRUE(DesktopTools(environment("MATE", path)).openPowerSettings());
    QFile log(logPath());
    EXPECT_EQ(waitForStartedTool(), "mate-power-preferences ");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll(), (binPath() + "/mate-power-preferences \n").toUtf8());
}

TEST_F(DesktopToolsTest, NothingSuitableInstalledStartsNothing) {
    EXPECT_FALSE(DesktopTools(environment("GNOME")).openPowerSettings());
    EXPECT_FALSE(DesktopTools(environment("KDE")).openSchedulingTool());

    addFile("gnome-control-center", "#!/bin/sh\n" + logLine, false);
    QDir(binPath()).mkdir("xfce4-power-manager-settings");
    addTool("gnome-schedule");
    EXPECT_FALSE(DesktopTools(environment("GNOME", "")).openSchedulingTool());
    EXPECT_FALSE(DesktopTools(environment("GNOME")).openPowerSettings());
    EXPECT_TRUE(nothingStarted());
}

TEST_F(DesktopToolsTest, RelativeFoldersOnThePathAreNotSearched) {
    addTool("gnome-schedule");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(binPath()));
    const bool started = DesktopTools(environment("GNOME", "::.:../" + bin)).openSchedulingTool();
    QDir::setCurrent(previous);
    EXPECT_FALSE(started);
    EXPECT_TRUE(nothingStarted());
}
