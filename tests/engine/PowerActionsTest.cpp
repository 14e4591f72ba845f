#include <gtest/gtest.h>

#include "l10n/TextSource.h"
#include "engine/DryRunPowerBackend.h"
#include "engine/PowerActions.h"
#include "platform/PowerBackend.h"
#include "support/LineCapture.h"

#include <QStringList>

#include <sstream>

using namespace vespera;

namespace {

// Records the requests; answers them with `answer` and the hibernation question with `hibernation`.
class RecordingBackend : public PowerBackend {
public:
    PowerResult powerOff() override { return record("powerOff"); }
    PowerResult reboot() override { return record("reboot"); }
    PowerResult suspend() override { return record("suspend"); }
    PowerResult hibernate() override { return record("hibernate"); }
    PowerResult logOff() override { return record("logOff"); }
    bool canHibernate() override { return hibernation; }
    QString canRequest(PowerRequest) override { return QStringLiteral("yes"); }

    QStringList calls;
    bool hibernation = true;
    PowerResult answer = PowerResult::success();

private:
    PowerResult record(const char* call) {
        calls << QString::fromLatin1(call);
        return answer;
    }
};

class TableTexts : public TextSource {
public:
    explicit TableTexts(QString failed) : failed_(std::move(failed)) {}
    QString lookupText(const QString& key) const override { return key == "IDS_900" ? failed_ : QString(); }

private:
    QString failed_;
};

// A replacement of hibernation by suspend is noted on the error stream.
TEST(PowerActions, EachStoredNameMakesItsCallAndUnknownNamesHibernate) {
    const struct {
        QString name;
        QString allowed;    // the call where hibernation is allowed
        QString notAllowed; // and where it is not
    } cases[] = {
        {"Ausschalten", "powerOff", "powerOff"},
        {"Reboot", "reboot", "reboot"},
        {"Standby", "suspend", "suspend"},
        {"Abmelden", "logOff", "logOff"},
        {"Ruhezustand", "hibernate", "suspend"},
        {"ausschalten", "hibernate", "suspend"},
        {"", "hibernate", "suspend"},
    };
    for (const auto& c : cases) {
        for (const bool hibernation : {true, false}) {
            SCOPED_TRACE(c.name.toStdString() + (hibernation ? ", hibernation allowed" : ""));
            RecordingBackend backend;
            backend.hibernation = hibernation;
            std::ostringstream errors;
            PowerActions actions(backend, linesInto(errors));
            EXPECT_EQ(actions.hibernateAllowed(), hibernation);
            EXPECT_TRUE(actions.performAction(c.name).ok);
            EXPECT_EQ(backend.calls, QStringList{hibernation ? c.allowed : c.notAllowed});
            const bool replaced = !hibernation && c.allowed != c.notAllowed;
            EXPECT_EQ(errors.str(),
                      replaced ? "Vespera: hibernation is not allowed on this machine; suspending instead\n"
                               : "");
        }
    }
}

TEST(PowerActions, FailureIsReturnedWrittenAndWordedForTheStatusLine) {
    RecordingBackend backend;
    backend.answer = PowerResult::failure(QStringLiteral("org.freedesktop.login1.NotInControl"),
                                          QStringLiteral("Session is not active"));
    std::ostringstream errors;
    const PowerResult result =
        PowerActions(backend, linesInto(errors)).performAction(QStringLiteral("Abmelden"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(errors.str(),
              "Vespera: \"Abmelden\" failed: Session is not active (org.freedesktop.login1.NotInControl)\n");
    const TableTexts german(QStringLiteral("Die Aktion ist fehlgeschlagen: "));
    EXPECT_EQ(PowerActions::failureLine(result, german),
              "Die Aktion ist fehlgeschlagen: Session is not active (org.freedesktop.login1.NotInControl)");
    EXPECT_EQ(PowerActions::failureLine(PowerResult::success(), german), "");
    EXPECT_EQ(PowerActions::failureLine(PowerResult::failure({}, QStringLiteral("no system bus")), german),
              "Die Aktion ist fehlgeschlagen: no system bus");
    EXPECT_EQ(PowerActions::failureLine(PowerResult::failure(QStringLiteral("a.b.Failed"), {}), german),
              "Die Aktion ist fehlgeschlagen: a.b.Failed");
}

TEST(DryRunPowerBackend, WritesTheActionItWouldPerformAndSucceeds) {
    std::ostringstream out;
    DryRunPowerBackend backend(linesInto(out));
    std::ostringstream errors;
    PowerActions actions(backend, linesInto(errors));
    for (const QString name : {"Ausschalten", "Ruhezustand", "Standby", "Reboot", "Abmelden"})
        EXPECT_TRUE(actions.performAction(name).ok);
    EXPECT_EQ(out.str(), "Vespera: dry run: power off\n"
                         "Vespera: dry run: hibernate\n"
                         "Vespera: dry run: suspend\n"
                         "Vespera: dry run: reboot\n"
                         "Vespera: dry run: log off\n");
    EXPECT_TRUE(actions.hibernateAllowed());
}

} // namespace
