// The mouse and keyboard condition of a Wayland session: the compositor's idle time from a mock service
// on a private session bus (run through dbus-run-session).
#include "MainFormFixture.h"

#include "platform/IdleTimeSource.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QThread>

namespace vespera {
namespace {

constexpr int Gone = -1; // the service ends before this tick

struct Service {
    QString name, path, method, type; // type: the idle time's D-Bus type
};
const Service Mutter{"org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core", "GetIdletime",
                     "t"};
const Service Saver{"org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver", "GetSessionIdleTime", "u"};

// python-dbusmock answering the idle time written to a file.
void startMock(QProcess& mock, const Service& service, const QString& file) {
    mock.start("/usr/bin/python3", {"-m", "dbusmock", "--session", service.name, service.path, service.name});
    for (int i = 0; i < 200 && !QDBusConnection::sessionBus().interface()->isServiceRegistered(service.name);
         ++i)
        QThread::msleep(50);
    QDBusMessage add =
        QDBusMessage::createMethodCall(service.name, service.path, "org.freedesktop.DBus.Mock", "AddMethod");
    add << service.name << service.method << QString() << service.type
        << QString("ret = int(open('%1').read())").arg(file);
    EXPECT_EQ(QDBusConnection::sessionBus().call(add).type(), QDBusMessage::ReplyMessage);
}

class TMainFormIdleTimeTest : public MainFormFixture {};

TEST_F(TMainFormIdleTimeTest, FallingIdleTimeResetsGrowingLetsItFireAndALostServiceCountsAsBusy) {
    struct Row {
        const Service& service;
        std::vector<int> idle; // milliseconds, one reading a tick
        bool fires, unmeasured;
    } rows[] = {
        {Saver, {5000, 6000, 7000}, true, false},
        {Mutter, {5000, 6000, 2000, 3000, 4000}, false, false},
        {Mutter, {500, 700, 900, 999}, false, false},
        {Mutter, {5000, Gone, 7000, 8000, 9000}, false, true},
    };
    QFile file(root.path() + "/idle");
    const auto write = [&](int idle) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(idle));
        file.close();
    };
    for (const Row& row : rows) {
        write(5000);
        QProcess mock;
        startMock(mock, row.service, file.fileName());
        const std::unique_ptr<IdleTimeSource> source = openIdleTimeSource();
        ASSERT_NE(source, nullptr);
        idleTime = source.get();
        powerLog.str({});
        writeSettings("Fkey=1\r\nfproz=0\r\narmed=1\r\ntime=3\r\ncustomtime=3\r\n");
        open();
        for (const int idle : row.idle) {
            if (idle == Gone) {
                mock.kill();
                mock.waitForFinished();
            }
            write(idle);
            tick();
        }
        EXPECT_EQ(!powerLog.str().empty(), row.fires) << row.idle.back();
        EXPECT_EQ(form->watchState().statusLine.contains("Maus und Tastatur"), row.unmeasured)
            << row.idle.back();
        form.reset();
        mock.kill();
        mock.waitForFinished();
    }
}

} // namespace
} // namespace vespera
