// The warning a minute ahead and its answers, with python-dbusmock's notification daemon on a private bus.
#include "MainFormFixture.h"

#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QTest>

namespace vespera {
namespace {

const QString Service = "org.freedesktop.Notifications";

class TMainFormPreWarningTest : public MainFormFixture {};

TEST_F(TMainFormPreWarningTest, NotifiesAMinuteAheadAndFollowsTheAnswer) {
    const QString actions = R"(["cancel", "Abbrechen", "snooze", "15 Minuten später"])";
    const struct {
        const char* name;
        const char* capabilities; // none: no server at all
        QString answer;
        QString notified; // in the server's log of the Notify call
        bool fired, armed;
    } rows[] = {
        {"Cancel", "body actions", "cancel", actions, false, false},
        {"15 minutes later", "body actions", "snooze", actions, false, true},
        {"server without actions", "body", "", R"(Vespera "Aktivieren" ausschalten." [])", true, true},
        {"no server", nullptr, "", "", true, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString logFile = root.path() + "/" + row.name;
        QProcess mock;
        if (row.capabilities) {
            mock.start("/usr/bin/python3",
                       {"-m", "dbusmock", "--session", "--template", "notification_daemon", "-l", logFile,
                        "-p", QString(R"({"capabilities": "%1"})").arg(row.capabilities)});
            ASSERT_TRUE(QTest::qWaitFor([] {
                return QDBusConnection::sessionBus().interface()->isServiceRegistered(Service).value();
            }));
        }
        const auto calls = [&] {
            QFile log(logFile);
            return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
        };
        const std::unique_ptr<DesktopNotifications> service = openDesktopNotifications();
        notifications = service.get();
        powerLog.str({});
        openArmed(120);
        tick(60);
        if (row.capabilities) {
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return calls().contains("\"Vespera: Ausschalten in 60 Sekunden\""); }));
            EXPECT_TRUE(calls().contains(row.notified)) << calls().toStdString();
        }
        if (!row.answer.isEmpty()) {
            QDBusMessage click = QDBusMessage::createMethodCall(Service, "/org/freedesktop/Notifications",
                                                                "org.freedesktop.DBus.Mock", "EmitSignal");
            click << Service << QString("ActionInvoked") << QString("us") << QVariantList{1u, row.answer};
            EXPECT_EQ(QDBusConnection::sessionBus().call(click).type(), QDBusMessage::ReplyMessage);
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return !form->watchState().armed || form->watchState().snoozed; }));
        }
        for (int i = 0; i < 61 && child<QTimer>("Timer2")->isActive(); ++i)
            tick();
        EXPECT_EQ(!powerLog.str().empty(), row.fired);
        EXPECT_EQ(saved().armed, row.armed);
        EXPECT_EQ(form->watchState().statusLine.endsWith("verschoben um 15 Minuten"), row.answer == "snooze");
        EXPECT_TRUE(!row.capabilities ||
                    QTest::qWaitFor([&] { return calls().contains("CloseNotification 1"); }));
        form.reset();
        mock.kill();
        mock.waitForFinished();
    }
}

} // namespace
} // namespace vespera
