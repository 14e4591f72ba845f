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
    // Opens a dialog of the expert menu, lets `work` use it and closes it with Esc if it is still open.
    void useDialog(const char* menuItem, const std::function<void(QDialog&)>& work) {
        QTimer::singleShot(0, [work] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            work(*dialog);
            if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        child<QAction>(menuItem)->trigger();
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

TEST_F(ExpertOptionsTest, PeriodDialogTakesDigitsWithinItsLimitsElse60) {
    writeSettings("time=45\r\ncustomtime=45\r\n");
    open();
    form->show();
    const struct {
        const char* typed;
        bool enter;
        int stored;
    } cases[] = {{"abc", false, 60}, {"", false, 60},  {"-5", false, 60}, {"0", true, 1},
                 {"999", true, 600}, {"4x", true, 60}, {"45", false, 45}};
    for (const auto& c : cases) {
        int afterEnter = 0;
        useDialog("Shutdownzeitraum1", [&](QDialog& dialog) {
            typePeriod(dialog, c.typed, c.enter);
            afterEnter = dialog.findChild<QSlider*>("TrackBar1")->value();
            dialog.findChild<QPushButton*>("Button1")->click();
        });
        EXPECT_EQ(saved().customtime, c.stored) << c.typed;
        EXPECT_EQ(form->watchState().periodSeconds, c.stored) << c.typed;
        EXPECT_EQ(afterEnter, c.enter ? c.stored : afterEnter) << c.typed;
    }
}

TEST_F(ExpertOptionsTest, PeriodDialogLeftWithEscStoresNothingButSavesAndRestartsTheCount) {
    writeSettings("armed=1\r\nfproz=1\r\nproz_taskbar=100\r\ncustomtime=45\r\n");
    open();
    form->show();
    sampleTwice();
    for (int i = 0; i < 2; ++i)
        QMetaObject::invokeMethod(child<QTimer>("Timer2"), "timeout", Qt::DirectConnection);
    ASSERT_EQ(form->watchState().idleSeconds, 2);
    QFile::remove(store.filePath());
    useDialog("Shutdownzeitraum1", [&](QDialog& dialog) { typePeriod(dialog, "300", true); });
    EXPECT_EQ(form->watchState().idleSeconds, 0);
    EXPECT_EQ(saved().customtime, 45);
}

TEST_F(ExpertOptionsTest, UserDefinedPeriodIsSavedAsTheTimeAndTheNextStartSelectsItsEntry) {
    const struct {
        const char* seconds;
        int entry;
    } cases[] = {{"45", 11}, {"60", 2}};
    for (const auto& c : cases) {
        writeSettings("time=30\r\ncustomtime=30\r\n");
        open();
        form->show();
        child<QComboBox>("ComboBox1")->setCurrentIndex(11);
        useDialog("Shutdownzeitraum1", [&](QDialog& dialog) {
            typePeriod(dialog, c.seconds, false);
            dialog.findChild<QPushButton*>("Button1")->click();
        });
        EXPECT_EQ(saved().time, QString(c.seconds).toInt());
        open();
        EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), c.entry) << c.seconds;
    }
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
        writeSettings("fexeafter=1\r\nfexemethod=1\r\nfexepath=/old/run.sh\r\nfexeparam=-x\r\n");
        open();
        form->show();
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
