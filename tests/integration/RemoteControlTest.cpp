// The real program reached by later starts over a private session bus: each option changes the running
// copy as a click would, the status answers with its exit code, and bad arguments end with code 2.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

const QString Program = QStringLiteral(VESPERA_PROGRAM);

// Runs use the session bus this test runs on instead of none.
void useSessionBus(ProgramRun& run) {
    QProcessEnvironment env = run.environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    run.process().setProcessEnvironment(env);
}

struct Answer {
    int exitCode = -1;
    QByteArray output;
};

Answer startAgain(const ProgramRun& first, const QStringList& arguments) {
    QProcess later;
    later.setProcessEnvironment(first.environment());
    later.start(Program, arguments);
    if (!later.waitForFinished(15000)) {
        later.kill();
        later.waitForFinished(5000);
        return {};
    }
    return {later.exitCode(), later.readAllStandardOutput() + later.readAllStandardError()};
}

} // namespace

TEST(RemoteControl, LaterStartsChangeAndAskTheRunningCopy) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"));
    QTemporaryDir home;
    ProgramRun first(home.path());
    useSessionBus(first);
    first.writeSettings("fproz=1\r\nproz_taskbar=100\r\ntime=3600\r\n");
    first.start(Program);
    ASSERT_FALSE(waitForWindow(first.process().processId()).isEmpty());

    struct Step {
        QStringList arguments;
        int exitCode;
        QByteArray said;  // in the output of the later start
        QByteArray saved; // in the running copy's settings afterwards
    };
    const Step steps[] = {
        {{"--status"}, 3, "not armed", "fproz=1"},        {{"--arm"}, 0, "", "armed=1"},
        {{"--status"}, 0, "Aktiviert", "armed=1"},        {{"--action", "Reboot"}, 0, "", "type=Reboot"},
        {{"--period", "45"}, 0, "", "customtime=45\r\n"}, {{"--period", "600"}, 0, "", "time=600\r\n"},
        {{"--period", "601"}, 2, "601", "time=600\r\n"},  {{"--disarm"}, 0, "", "armed=0"},
    };
    for (const Step& step : steps) {
        const std::string where = step.arguments.join(' ').toStdString();
        const Answer answer = startAgain(first, step.arguments);
        EXPECT_EQ(answer.exitCode, step.exitCode) << where << ": " << answer.output.toStdString();
        EXPECT_TRUE(answer.output.contains(step.said)) << where << ": " << answer.output.toStdString();
        EXPECT_TRUE(waitUntil([&] { return first.readSettings().contains(step.saved); }, 5s))
            << where << ": " << first.readSettings().toStdString();
    }
    EXPECT_EQ(first.process().state(), QProcess::Running);
    EXPECT_EQ(first.terminate(), 0);
}

TEST(RemoteControl, WithoutARunningCopyTheStatusSaysSoAndAChangeStartsTheProgram) {
    QTemporaryDir home;
    ProgramRun run(home.path());
    useSessionBus(run);
    run.writeSettings("fproz=1\r\ntime=3600\r\n");
    const Answer status = startAgain(run, {"--status"});
    EXPECT_EQ(status.exitCode, 3);
    EXPECT_TRUE(status.output.contains("not running")) << status.output.toStdString();

    run.start(Program, {"--period", "30"});
    EXPECT_TRUE(waitUntil([&] { return run.readSettings().contains("time=30\r\n"); }, 15s))
        << run.readSettings().toStdString();
    EXPECT_EQ(run.terminate(), 0);
}
