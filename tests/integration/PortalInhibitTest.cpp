// The built program keeps the session awake through the desktop portal (a mock on a private session
// bus) while armed, and gives the inhibitor back when disarmed and before logind (a mock on a private
// system bus) is asked to power off.
#include <gtest/gtest.h>

#include "LogindMock.h"
#include "ProgramRun.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace std::chrono_literals;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(PortalInhibit, ArmedHoldsOnePortalInhibitorReleasedBeforePowerOff) {
    vespera::test::LogindMock::ensureApplication();
    vespera::test::LogindMock mock;
    ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString();
    QTemporaryDir home;
    const QString portalLog = home.filePath("portal.log");
    const QString held = portalLog + ".held";
    mock.replaceMethod(vespera::test::LogindMock::ManagerPath, vespera::test::LogindMock::ManagerInterface,
                       "PowerOff", "b", {},
                       QString("self.log('portal inhibitors held: ' + open('%1').read())").arg(held));
    QProcess portal;
    portal.start(QStringLiteral(VESPERA_TOOLS "/portal-mock"), {portalLog});
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(held); }, 10s)) << portal.readAllStandardError().data();

    ProgramRun run(home.path());
    run.writeSettings("fproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
    QProcessEnvironment env = run.environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    env.insert("VESPERA_DRY_RUN", "0");
    run.process().setProcessEnvironment(env);
    run.start(QStringLiteral(VESPERA_PROGRAM));
    ASSERT_FALSE(waitForWindow(run.process().processId()).isEmpty());

    struct Step {
        const char* option;
        QByteArray held;
    };
    for (const Step& step : {Step{"--arm", "1"}, Step{"--disarm", "0"}, Step{"--arm", "1"}}) {
        QProcess later;
        later.setProcessEnvironment(run.environment());
        later.start(QStringLiteral(VESPERA_PROGRAM), {step.option});
        EXPECT_TRUE(later.waitForFinished(15000) && later.exitCode() == 0) << step.option;
        EXPECT_TRUE(waitUntil([&] { return contents(held) == step.held; }, 5s))
            << step.option << ": " << contents(held).data();
    }
    const auto poweredOff = [&] {
        return contents(qEnvironmentVariable("VESPERA_LOGIND_LOG")).contains("PowerOff False");
    };
    EXPECT_TRUE(waitUntil(poweredOff, 20s));
    EXPECT_EQ(contents(held), "0");
    EXPECT_EQ(run.terminate(), 0);
    portal.kill();
    portal.waitForFinished();
    const QByteArray calls = contents(qEnvironmentVariable("VESPERA_LOGIND_LOG"));
    EXPECT_TRUE(calls.contains("portal inhibitors held: 0")) << calls.data();
    EXPECT_FALSE(calls.contains("Inhibit \"sleep"))
        << "logind asked although a portal runs: " << calls.data();
    EXPECT_TRUE(contents(portalLog).startsWith("Inhibit 12 ")) << contents(portalLog).data();
}
