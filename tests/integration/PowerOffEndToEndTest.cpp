// The whole path with a real session manager interface: the built program, an idle processor for a
// 10-second period, and logind (a mock on a private system bus) asked to power off. While armed the
// program keeps the session awake with an inhibitor, which it gives back before the power-off.
#include <gtest/gtest.h>

#include "LogindMock.h"
#include "ProgramRun.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QFile>
#include <QTemporaryDir>

using namespace std::chrono_literals;

TEST(PowerOffEndToEnd, ArmedProcessorWatchAsksLogindToPowerOff) {
    const QString log = qEnvironmentVariable("VESPERA_LOGIND_LOG");
    ASSERT_FALSE(log.isEmpty()) << "run through tools/with-logind-mock";
    vespera::test::LogindMock::ensureApplication();
    vespera::test::LogindMock mock;
    ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString();
    mock.replaceMethod(vespera::test::LogindMock::ManagerPath, vespera::test::LogindMock::ManagerInterface,
                       "PowerOff", "b", {},
                       "from dbusmock import mockobject as m\n"
                       "self.log('inhibitors held: %d' % len(getattr(m, 'inhibitors', [])))");
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.writeSettings("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ntime=10\r\n");
    QProcessEnvironment env = run.environment();
    env.insert("VESPERA_DRY_RUN", "0");
    run.process().setProcessEnvironment(env);
    run.start(QStringLiteral(VESPERA_PROGRAM));
    const auto holdsInhibitor = [&] {
        const QDBusMessage reply = mock.bus().call(
            QDBusMessage::createMethodCall("org.freedesktop.login1", vespera::test::LogindMock::ManagerPath,
                                           vespera::test::LogindMock::ManagerInterface, "ListInhibitors"));
        const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
        list.beginArray();
        const bool empty = list.atEnd();
        list.endArray(); // the array's reader lives until it is closed
        return !empty;
    };
    EXPECT_TRUE(waitUntil(holdsInhibitor, 8s)) << "no inhibitor while armed";
    const auto poweredOff = [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("PowerOff False");
    };
    EXPECT_TRUE(waitUntil(poweredOff, 20s));
    EXPECT_EQ(run.terminate(), 0);
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray calls = file.readAll();
    EXPECT_TRUE(calls.contains("Inhibit \"sleep:idle\" \"Vespera\"")) << calls.toStdString();
    EXPECT_TRUE(calls.contains("inhibitors held: 0")) << calls.toStdString();
}
