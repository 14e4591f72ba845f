// The whole path with a real session manager interface: the built program, an idle processor for a
// 10-second period, and logind (a mock on a private system bus) asked to power off.
#include <gtest/gtest.h>

#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;

TEST(PowerOffEndToEnd, ArmedProcessorWatchAsksLogindToPowerOff) {
    const QString log = qEnvironmentVariable("VESPERA_LOGIND_LOG");
    ASSERT_FALSE(log.isEmpty()) << "run through tools/with-logind-mock";
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
    QProcessEnvironment env = run.environment();
    env.insert("VESPERA_DRY_RUN", "0");
    run.process().setProcessEnvironment(env);
    run.start(QStringLiteral(VESPERA_PROGRAM));
    const auto poweredOff = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("PowerOff False");
    };
    EXPECT_TRUE(waitUntil(poweredOff, 20s));
    EXPECT_EQ(run.terminate(), 0);
}
