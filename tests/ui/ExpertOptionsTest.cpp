// The expert menu's two dialogs, worked as a user would, and what the main window keeps of them.
#include <gtest/gtest.h>

#include "MainFormFixture.h"
#include "l10n/StandardMessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <functional>

using namespace vespera;

namespace {

class ExpertOptionsTest : public MainFormFixture {
protected:
    // Opens a dialog of the expert menu, lets `work` use it and closes it if it is still open.
    void useDialog(const char* menuItem, const std::function<void(QDialog&)>& work) {
        useModal([this, menuItem] { child<QAction>(menuItem)->trigger(); }, work);
    }

    void typePeriod(QDialog& dialog, const char* text, bool enter) {
        auto* edit = dialog.findChild<QLineEdit*>("Edit1");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        if (enter)
            QTest::keyClick(edit, Qt::Key_Return);
    }
};

} // namespace

// The typed period becomes the user-defined one and the stored time; the next start selects its entry.
TEST_F(ExpertOptionsTest, PeriodDialogTakesDigitsWithinItsLimitsElse60) {
    const struct {
        const char* typed;
        bool enter;
        int stored;
        int entry;
    } cases[] = {{"abc", false, 60, 2}, {"", false, 60, 2},  {"-5", false, 60, 2}, {"0", true, 1, 11},
                 {"999", true, 600, 5}, {"4x", true, 60, 2}, {"45", false, 45, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        openShown("time=30\r\ncustomtime=30\r\n");
        child<QComboBox>("ComboBox1")->setCurrentIndex(11);
        int afterEnter = 0;
        useDialog("Shutdownzeitraum1", [&](QDialog& dialog) {
            typePeriod(dialog, c.typed, c.enter);
            afterEnter = dialog.findChild<QSlider*>("TrackBar1")->value();
            dialog.findChild<QPushButton*>("Button1")->click();
        });
        EXPECT_EQ(saved().customtime, c.stored);
        EXPECT_EQ(saved().time, c.stored);
        EXPECT_EQ(form->watchState().periodSeconds, c.stored);
        EXPECT_EQ(afterEnter, c.enter ? c.stored : afterEnter);
        open();
        EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), c.entry);
    }
}

TEST_F(ExpertOptionsTest, PeriodDialogLeftWithEscStoresNothingButSavesAndRestartsTheCount) {
    openShown("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ncustomtime=45\r\n");
    sampleTwice();
    tick(2);
    ASSERT_EQ(form->watchState().idleSeconds, 2);
    QFile::remove(store.filePath());
    useDialog("Shutdownzeitraum1", [&](QDialog& dialog) {
        typePeriod(dialog, "300", true);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(form->watchState().idleSeconds, 0);
    EXPECT_EQ(saved().customtime, 45);
}

TEST_F(ExpertOptionsTest, CommandDialogStoresTrimmedValuesOnlyThroughAnAcceptedOK) {
    const struct {
        const char* name;
        bool ticked;
        const char* path;
        const char* button;
        bool stays;
        bool after;
        const char* storedPath;
    } cases[] = {
        {"ticked without a command", true, "  ", "btnOK", true, true, "/old/run.sh"},
        {"cancelled", false, "/new/run.sh", "btnCancel", false, true, "/old/run.sh"},
        {"accepted", false, " /my apps/x y.sh ", "btnOK", false, false, "/my apps/x y.sh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openShown("fexeafter=1\r\nfexemethod=1\r\nfexepath=/old/run.sh\r\nfexeparam=-x\r\n");
        QFile::remove(store.filePath());
        bool stayed = false;
        useDialog("Kommando1", [&](QDialog& dialog) {
            dialog.findChild<QCheckBox*>("CommandCheckBox")->setChecked(c.ticked);
            dialog.findChild<QLineEdit*>("CommandEdit")->setText(c.path);
            dialog.findChild<QLineEdit*>("ParamEdit")->setText(" \"a b\" c ");
            dialog.findChild<QRadioButton*>("RadioButton1")->setChecked(true);
            host.messageBoxes().setNextAnswer(QMessageBox::Ok);
            dialog.findChild<QPushButton*>(c.button)->click();
            stayed = dialog.isVisible();
        });
        EXPECT_EQ(stayed, c.stays);
        const Settings s = saved();
        EXPECT_EQ(s.fexeafter, c.after);
        EXPECT_EQ(child<QAction>("Kommando1")->isChecked(), c.after);
        EXPECT_EQ(s.fexepath, c.storedPath);
        EXPECT_EQ(s.fexemethod, c.after ? 1 : 0);
        EXPECT_EQ(s.fexeparam, c.after ? "-x" : "\"a b\" c");
    }
}
