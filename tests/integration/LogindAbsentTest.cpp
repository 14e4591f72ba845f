#include <gtest/gtest.h>

#include "LogindMock.h"
#include "engine/PowerActions.h"
#include "platform/linux/LogindPowerBackend.h"
#include "platform/linux/LogindResumeWatcher.h"
#include "support/LineCapture.h"

#include <QDir>
#include <QTemporaryDir>

#include <sstream>

using namespace vespera;
using vespera::test::LogindMock;

namespace {

// Every action fails with the reason and nothing waits for a reply that cannot come.
void expectEveryActionFails(PowerBackend& backend, const QString& errorName) {
    std::ostringstream errors;
    PowerActions actions(backend, linesInto(errors));
    for (const QString name : {"Ausschalten", "Reboot", "Standby", "Ruhezustand", "Abmelden"}) {
        const PowerResult result = actions.performAction(name);
        EXPECT_FALSE(result.ok) << name.toStdString();
        EXPECT_EQ(result.errorName, errorName) << name.toStdString();
        EXPECT_FALSE(result.errorText.isEmpty()) << name.toStdString();
    }
    EXPECT_FALSE(actions.hibernateAllowed());
    EXPECT_NE(errors.str().find("Vespera: \"Abmelden\" failed: "), std::string::npos) << errors.str();
}

// A bus without logind answers at once that nobody owns the name (a timeout would say NoReply).
TEST(LogindAbsent, BusWithoutLogindFailsEveryActionAtOnce) {
    LogindMock bus;
    ASSERT_TRUE(bus.usable()) << bus.whyNot().toStdString();
    LogindPowerBackend backend(bus.bus(), QStringLiteral("c1"));
    expectEveryActionFails(backend, QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"));
    LogindResumeWatcher watcher(bus.bus());
    EXPECT_TRUE(watcher.listening());
}

TEST(LogindAbsent, UnreachableBusFailsEveryActionWithTheReason) {
    LogindMock::ensureApplication();
    const QTemporaryDir dir;
    const QString address =
        QStringLiteral("unix:path=") + QDir(dir.path()).filePath(QStringLiteral("no-bus"));
    const QDBusConnection nowhere =
        QDBusConnection::connectToBus(address, QStringLiteral("vespera-test-nowhere"));
    ASSERT_FALSE(nowhere.isConnected());
    LogindPowerBackend backend(nowhere, QStringLiteral("c1"));
    expectEveryActionFails(backend, QStringLiteral("org.freedesktop.DBus.Error.FileNotFound"));
    LogindResumeWatcher watcher(nowhere);
    EXPECT_FALSE(watcher.listening());
}

} // namespace
