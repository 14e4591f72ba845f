// Later starts with neither a session bus nor a display, and a running copy reached over its socket.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QTemporaryDir>

#include <filesystem>

using namespace std::chrono_literals;

struct Step {
    QStringList arguments;
    int exitCode;
    QByteArray said;  // in the output of the later start
    QByteArray saved; // in the settings afterwards
};

static void startAgain(const ProgramRun& first, const Step& step) {
    QProcessEnvironment env = first.environment();
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess later;
    later.setProcessEnvironment(env);
    later.start(QStringLiteral(VESPERA_PROGRAM), step.arguments);
    const bool ended = later.waitForFinished(15000);
    const QByteArray output = later.readAllStandardOutput() + later.readAllStandardError();
    const std::string where = step.arguments.join(' ').toStdString() + ": " + output.toStdString();
    EXPECT_TRUE(ended && later.exitCode() == step.exitCode && output.contains(step.said)) << where;
    EXPECT_TRUE(waitUntil([&] { return first.readSettings().contains(step.saved); }, 5s)) << where;
}

TEST(LocalSocketRemote, LaterStartsWithoutBusOrDisplayReachTheRunningCopy) {
    QTemporaryDir home;
    ProgramRun first(home.path());
    first.writeSettings("fproz=1\r\nproz_taskbar=100\r\ntime=3600\r\n");
    for (const Step& step :
         {Step{{"--help"}, 0, "--period SECONDS", ""}, Step{{"-platform", "xcb", "--fly"}, 2, "--fly", ""},
          Step{{"--status"}, 3, "not running", ""}})
        startAgain(first, step);
    first.start(QStringLiteral(VESPERA_PROGRAM));
    ASSERT_FALSE(waitForWindow(first.process().processId()).isEmpty());
    const std::string socket = home.filePath("run/Vespera.socket").toStdString();
    EXPECT_EQ(std::filesystem::status(socket).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    for (const Step& step :
         {Step{{"--arm"}, 0, "", "armed=1"}, Step{{"--status"}, 0, "Aktiviert", "armed=1"},
          Step{{"--action", "Reboot"}, 0, "", "type=Reboot"},
          Step{{"--period", "45"}, 0, "", "customtime=45\r\n"}, Step{{"--disarm"}, 0, "", "armed=0"}})
        startAgain(first, step);
    first.process().kill();
    first.process().waitForFinished(5000);
    ASSERT_TRUE(std::filesystem::exists(socket)) << "a killed copy leaves its socket file";
    ProgramRun second(home.path());
    second.start(QStringLiteral(VESPERA_PROGRAM));
    ASSERT_FALSE(waitForWindow(second.process().processId()).isEmpty());
    startAgain(second, {{"--status"}, 3, "not armed", "armed=0"});
    EXPECT_EQ(second.terminate(), 0);
    EXPECT_FALSE(std::filesystem::exists(socket)) << "the socket file goes with the copy";
}
