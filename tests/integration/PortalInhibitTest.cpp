// The built program holds one portal inhibitor while armed, none disarmed, and none when logind powers off.
#include <gtest/gtest.h>

#include "LogindMock.h"
#include "ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;
using vespera::test::LogindMock;

TEST(PortalInhibit, ArmedHoldsOnePortalInhibitorReleasedBeforePowerOff) {
    const auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    LogindMock::ensureApplication();
    LogindMock mock;
    ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString();
    QTemporaryDir home;
    const QString portalLog = home.filePath("portal.log"), held = portalLog + ".held";
    mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface, "PowerOff", "b", {},
                       QString("self.log('portal inhibitors held: ' + open('%1').read())").arg(held));
    QProcess portal;
    portal.start(QStringLiteral(VESPERA_TOOLS "/portal-mock"), {portalLog});
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(held); }, 10s));
    ProgramRun run(home.path());
    run.writeSettings("fproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
    QProcessEnvironment env = run.environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    env.insert("VESPERA_DRY_RUN", "0");
    run.process().setProcessEnvironment(env);
    run.start(QStringLiteral(VESPERA_PROGRAM));
    ASSERT_FALSE(waitForWindow(run.process().processId()).isEmpty());
    for (const auto& [option, count] : {std::pair{"--arm", "1"}, {"--disarm", "0"}, {"--arm", "1"}}) {
        QProcess later;
        later.setProcessEnvironment(env);
        later.start(QStringLiteral(VESPERA_PROGRAM), {option});
        EXPECT_TRUE(later.waitForFinished(15000) && later.exitCode() == 0) << option;
        EXPECT_TRUE(waitUntil([&] { return contents(held) == count; }, 5s)) << option;
    }
    const QString log = qEnvironmentVariable("VESPERA_LOGIND_LOG");
    EXPECT_TRUE(waitUntil([&] { return contents(log).contains("PowerOff False"); }, 20s));
    EXPECT_EQ(contents(held), "0");
    EXPECT_EQ(run.terminate(), 0);
    portal.kill();
    portal.waitForFinished();
    EXPECT_TRUE(contents(log).contains("portal inhibitors held: 0")) << contents(log).data();
    EXPECT_TRUE(contents(portalLog).startsWith("Inhibit 12 ")) << contents(portalLog).data();
}
