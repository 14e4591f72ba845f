// Later starts with neither a session bus nor a display: the help and bad arguments are answered at
// once, and the running copy (itself without a session bus) is reached over its local socket.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QTemporaryDir>

#include <filesystem>

using namespace std::chrono_literals;

namespace {

const QString Program = QStringLiteral(VESPERA_PROGRAM);

struct Step {
    QStringList arguments;
    int exitCode;
    QByteArray said;  // in the output of the later start
    QByteArray saved; // in the settings afterwards
};

void startAgain(const ProgramRun& first, const Step& step) {
    QProcessEnvironment env = first.environment();
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess later;
    later.setProcessEnvironment(env);
    later.start(Program, step.arguments);
    const bool ended = later.waitForFinished(15000);
    const QByteArray output = later.readAllStandardOutput() + later.readAllStandardError();
    const std::string where = step.arguments.join(' ').toStdString() + ": " + output.toStdString();
    EXPECT_TRUE(ended && later.exitStatus() == QProcess::NormalExit) << where;
    EXPECT_EQ(later.exitCode(), step.exitCode) << where;
    EXPECT_TRUE(output.contains(step.said)) << where;
    EXPECT_TRUE(waitUntil([&] { return first.readSettings().contains(step.saved); }, 5s)) << where;
}

} // namespace

TEST(LocalSocketRemote, LaterStartsWithoutBusOrDisplayReachTheRunningCopy) {
    QTemporaryDir home;
    ProgramRun first(home.path());
    first.writeSettings("fproz=1\r\nproz_taskbar=100\r\ntime=3600\r\n");
    const Step alone[] = {
        {{"--help"}, 0, "--period SECONDS", ""},
        {{"-platform", "xcb", "--fly"}, 2, "--fly", ""},
        {{"--period", "601"}, 2, "601", ""},
        {{"--status"}, 3, "not running", ""},
    };
    for (const Step& step : alone)
        startAgain(first, step);

    first.start(Program);
    ASSERT_FALSE(waitForWindow(first.process().processId()).isEmpty());
    const std::string socket = home.filePath("run/Vespera.socket").toStdString();
    EXPECT_EQ(std::filesystem::status(socket).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    const Step running[] = {
        {{"--arm"}, 0, "", "armed=1"},
        {{"--status"}, 0, "Aktiviert", "armed=1"},
        {{"--action", "Reboot"}, 0, "", "type=Reboot"},
        {{"--period", "45"}, 0, "", "customtime=45\r\n"},
        {{"--disarm"}, 0, "", "armed=0"},
    };
    for (const Step& step : running)
        startAgain(first, step);

    first.process().kill();
    first.process().waitForFinished(5000);
    ASSERT_TRUE(std::filesystem::exists(socket)) << "a killed copy leaves its socket file";
    ProgramRun second(home.path());
    second.start(Program);
    ASSERT_FALSE(waitForWindow(second.process().processId()).isEmpty());
    startAgain(second, {{"--status"}, 3, "not armed", "armed=0"});
    EXPECT_EQ(second.terminate(), 0);
    EXPECT_FALSE(std::filesystem::exists(socket)) << "the socket file goes with the copy";
}
