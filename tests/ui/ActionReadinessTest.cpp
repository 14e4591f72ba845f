// An armed watch whose action the system would not carry out without a password says so at once, and
// the warning goes once the system would.
#include "MainFormFixture.h"

#include <QCheckBox>
#include <QLabel>

namespace vespera {
namespace {

class ActionReadinessTest : public MainFormFixture {};

TEST_F(ActionReadinessTest, AnActionThatWouldNotBeCarriedOutIsWarnedOfWhileArmed) {
    openShown("fproz=1\r\nproz_taskbar=100\r\ntime=3600\r\n");
    auto* status = child<QLabel>("StatusLine");
    const struct {
        QString answer;
        QString says;
    } cases[] = {{"challenge", "Passwort"},
                 {"no", "nicht erlaubt"},
                 {"na", "nicht möglich"},
                 {"org.freedesktop.DBus.Error.ServiceUnknown", "ServiceUnknown"}};
    for (const auto& c : cases) {
        powerBackend.readiness = c.answer;
        child<QCheckBox>("CheckBox2")->setChecked(true);
        EXPECT_TRUE(status->text().contains(c.says)) << status->text().toStdString();
        EXPECT_TRUE(status->text().contains("Ausschalten")) << status->text().toStdString();
        child<QCheckBox>("CheckBox2")->setChecked(false);
    }

    child<QCheckBox>("CheckBox2")->setChecked(true);
    powerBackend.readiness = "yes";
    tick(30);
    EXPECT_FALSE(status->text().contains("Achtung")) << status->text().toStdString();
    EXPECT_TRUE(form->watchState().armed);
}

} // namespace
} // namespace vespera
