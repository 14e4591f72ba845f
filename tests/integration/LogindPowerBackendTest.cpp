#include <gtest/gtest.h>

#include "LogindMock.h"
#include "l10n/TextSource.h"
#include "engine/PowerActions.h"
#include "platform/PowerSystem.h"
#include "platform/linux/LogindPowerBackend.h"
#include "support/LineCapture.h"

#include <QCoreApplication>
#include <QProcessEnvironment>

#include <sstream>

using namespace vespera;
using vespera::test::LogindMock;

namespace {

const QString AccessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");

class EnglishTexts : public TextSource {
public:
    QString lookupText(const QString& key) const override {
        return key == PowerActions::FailureLineKey ? QStringLiteral("The action failed: ") : QString();
    }
};

bool harnessAllowsHibernation() {
    return qEnvironmentVariable("VESPERA_LOGIND_CAN_HIBERNATE") == u"yes";
}

class LogindPowerBackendTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mock.usable()) << mock.whyNot().toStdString(); }

    // Methods a test replaced get their harness behaviour back, so the tests stay independent.
    void TearDown() override {
        if (!mock.usable())
            return;
        mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface, QStringLiteral("PowerOff"),
                           QStringLiteral("b"), {}, {});
        mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface,
                           QStringLiteral("GetSessionByPID"), QStringLiteral("u"), QStringLiteral("o"),
                           QStringLiteral("ret = dbus.ObjectPath(\"/org/freedesktop/login1/session/c1\")"));
        mock.restoreCanHibernate();
    }

    LogindMock mock;
    LogindPowerBackend backend{mock.bus(), QString()};
    std::ostringstream errors;
    PowerActions actions{backend, linesInto(errors)};
};

TEST_F(LogindPowerBackendTest, EachStoredNameMakesExactlyItsCall) {
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QStringList hibernation = harnessAllowsHibernation()
                                        ? QStringList{"CanHibernate", "Hibernate False"}
                                        : QStringList{"CanHibernate", "Suspend False"};
    const struct {
        QString name;
        QStringList calls;
    } cases[] = {
        {"Ausschalten", {"PowerOff False"}},
        {"Reboot", {"Reboot False"}},
        {"Standby", {"Suspend False"}},
        {"Ruhezustand", hibernation},
        {"Abmelden", {"GetSessionByPID " + pid, "Terminate", "session c1 terminated"}},
        {"Neustart", hibernation},
    };
    mock.newCalls();
    for (const auto& c : cases) {
        EXPECT_TRUE(actions.performAction(c.name).ok) << c.name.toStdString();
        EXPECT_EQ(mock.newCalls(), c.calls) << c.name.toStdString();
    }
    EXPECT_EQ(errors.str().find("failed"), std::string::npos) << errors.str();
}

TEST_F(LogindPowerBackendTest, CanHibernateCountsOnlyAPlainYes) {
    const struct {
        QString answer;
        bool allowed;
    } cases[] = {{"yes", true}, {"challenge", false}, {"no", false}, {"na", false}};
    for (const auto& c : cases) {
        mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface,
                           QStringLiteral("CanHibernate"), {}, QStringLiteral("s"),
                           QStringLiteral("ret = \"%1\"").arg(c.answer));
        EXPECT_EQ(actions.hibernateAllowed(), c.allowed) << c.answer.toStdString();
    }
}

// Each request asks its own question and passes logind's answer on; log off asks for the session.
TEST_F(LogindPowerBackendTest, CanRequestPassesOnLogindsAnswer) {
    const struct {
        PowerRequest request;
        QString question;
    } requests[] = {{PowerRequest::PowerOff, "CanPowerOff"},
                    {PowerRequest::Reboot, "CanReboot"},
                    {PowerRequest::Suspend, "CanSuspend"},
                    {PowerRequest::Hibernate, "CanHibernate"}};
    for (const auto& r : requests) {
        for (const QString answer : {"challenge", "no", "na", "yes"}) {
            mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface, r.question, {},
                               QStringLiteral("s"), QStringLiteral("ret = \"%1\"").arg(answer));
            EXPECT_EQ(backend.canRequest(r.request), answer) << r.question.toStdString();
        }
    }
    EXPECT_EQ(backend.canRequest(PowerRequest::LogOff), "yes");
}

TEST_F(LogindPowerBackendTest, CanHibernateGivesTheHarnessAnswer) {
    EXPECT_EQ(backend.canHibernate(), harnessAllowsHibernation());
}

TEST_F(LogindPowerBackendTest, RefusedPowerOffIsReportedWithTheBusError) {
    mock.replaceMethod(
        LogindMock::ManagerPath, LogindMock::ManagerInterface, QStringLiteral("PowerOff"),
        QStringLiteral("b"), {},
        QStringLiteral("raise dbus.exceptions.DBusException(\"Not allowed by policy\", name=\"%1\")")
            .arg(AccessDenied));
    const PowerResult result = actions.performAction(QStringLiteral("Ausschalten"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorName, AccessDenied);
    EXPECT_EQ(result.errorText, "Not allowed by policy");
    EXPECT_EQ(PowerActions::failureLine(result, EnglishTexts()),
              "The action failed: Not allowed by policy (org.freedesktop.DBus.Error.AccessDenied)");
    EXPECT_EQ(
        errors.str(),
        "Vespera: \"Ausschalten\" failed: Not allowed by policy (org.freedesktop.DBus.Error.AccessDenied)\n");
}

TEST_F(LogindPowerBackendTest, LogOffOutsideASessionEndsTheSessionNamedByXdgSessionId) {
    mock.replaceMethod(LogindMock::ManagerPath, LogindMock::ManagerInterface,
                       QStringLiteral("GetSessionByPID"), QStringLiteral("u"), QStringLiteral("o"),
                       QStringLiteral("raise dbus.exceptions.DBusException(\"no session\", "
                                      "name=\"org.freedesktop.login1.NoSessionForPID\")"));
    LogindPowerBackend withFallback(mock.bus(), QStringLiteral("c2"));
    mock.newCalls();
    EXPECT_TRUE(withFallback.logOff().ok);
    const QStringList calls = mock.newCalls();
    EXPECT_TRUE(calls.contains("GetSession \"c2\"")) << calls.join(" | ").toStdString();
    EXPECT_TRUE(calls.contains("session c2 terminated")) << calls.join(" | ").toStdString();
    EXPECT_FALSE(calls.contains("session c1 terminated"));

    const PowerResult withoutFallback = backend.logOff();
    EXPECT_FALSE(withoutFallback.ok);
    EXPECT_EQ(withoutFallback.errorName, "org.freedesktop.login1.NoSessionForPID");
    EXPECT_FALSE(mock.newCalls().contains("Terminate"));
}

// The program opens the system bus through libdbus's own lookup; inside the harness that must be the
// private bus, which the mock's log proves by recording the question.
TEST_F(LogindPowerBackendTest, PowerSystemUsesTheBusOfDbusSystemBusAddress) {
    const PowerSystem system = openPowerSystem(QProcessEnvironment());
    mock.newCalls();
    EXPECT_EQ(system.backend->canHibernate(), harnessAllowsHibernation());
    EXPECT_EQ(mock.newCalls(), QStringList{"CanHibernate"});
}

} // namespace
