#include <gtest/gtest.h>

#include "MainFormFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <functional>

using namespace vespera;

namespace {

class TSchedFormTest : public MainFormFixture {
protected:
    // Opens the schedule dialog from the main window and lets `edit` work in it while it runs modally.
    void editSchedule(const std::function<void(QDialog&)>& edit) {
        useModal([this] { child<QPushButton>("SchedulerButton")->click(); }, edit);
    }

    template <typename W> static W* in(QDialog& dialog, const char* name) {
        return dialog.findChild<W*>(QString::fromLatin1(name));
    }
};

} // namespace

TEST_F(TSchedFormTest, SavingWritesTheEditedSchedule) {
    openShown("Montag=1\r\nStunde=7\r\n");
    editSchedule([](QDialog& dialog) {
        in<QRadioButton>(dialog, "rbmonthly")->click();
        in<QSpinBox>(dialog, "udHour")->stepBy(2);
        in<QComboBox>(dialog, "cbbmonthday")->setCurrentIndex(14);
        in<QCheckBox>(dialog, "chk1")->click(); // the only day: unchecking it checks every day
        EXPECT_TRUE(in<QCheckBox>(dialog, "chkAll")->isChecked());
        in<QCheckBox>(dialog, "chk6")->click();
        EXPECT_FALSE(in<QCheckBox>(dialog, "chkAll")->isChecked());
        in<QPushButton>(dialog, "btnOK")->click();
    });
    const Settings s = saved();
    EXPECT_TRUE(s.submethod == "sub2" && s.Stunde == 9 && s.DayofMonth == 15);
    EXPECT_TRUE(s.Montag && s.Sonntag && !s.Samstag);
}

TEST_F(TSchedFormTest, EscapeLeavesTheSettingsAndTheNextShowingUntouched) {
    openShown("Stunde=24\r\n");
    editSchedule([](QDialog& dialog) {
        EXPECT_EQ(in<QLineEdit>(dialog, "edtHour")->text(), "24");
        in<QCheckBox>(dialog, "chk3")->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    editSchedule([](QDialog& dialog) { EXPECT_FALSE(in<QCheckBox>(dialog, "chk3")->isChecked()); });
    EXPECT_FALSE(saved().Mittwoch);
}
