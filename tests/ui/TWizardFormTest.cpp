// The settings wizard walked as a user would, from the main window's menu to Finish, Cancel or Esc.
#include <gtest/gtest.h>

#include "MainFormFixture.h"
#include "engine/PeriodTable.h"
#include "l10n/StandardMessageBox.h"
#include "ui/FileOpenDialog.h"
#include "ui/fwizard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <functional>

using namespace vespera;

namespace {

class TWizardFormTest : public MainFormFixture {
protected:
    TWizardForm* wizard = nullptr;

    template <typename W> W* in(const QByteArray& name) const {
        W* w = wizard->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name.constData();
        return w;
    }

    // Opens the wizard from the menu and lets `work` use it; a wizard still open afterwards is cancelled.
    void useWizard(const std::function<void()>& work) {
        useModal<TWizardForm>([this] { child<QAction>("Assistent1")->trigger(); },
                              [&](TWizardForm& shown) {
                                  wizard = &shown;
                                  work();
                              });
    }

    void next() { QTest::mouseClick(in<QPushButton>("btnNext"), Qt::LeftButton); }

    // Step 1: the kind of event, 0 (processor) to 4 (mouse and keyboard).
    void chooseEvent(int kind) {
        QTest::mouseClick(in<QRadioButton>(QByteArray("RadioButton") + char('1' + kind)), Qt::LeftButton);
        next();
    }

    void setTime(int hour, int minute, int second) {
        in<QSpinBox>("udHour")->setValue(hour);
        in<QSpinBox>("udMin")->setValue(minute);
        in<QSpinBox>("udSec")->setValue(second);
    }

    void clickDays(std::initializer_list<int> days) {
        for (const int day : days)
            QTest::mouseClick(in<QCheckBox>("chk" + QByteArray::number(day)), Qt::LeftButton, {},
                              QPoint(4, 9));
    }

    // Step 3: the period, "Reboot" and all five switches on or off, then the summary.
    void chooseAction(bool switches) {
        next();
        in<QComboBox>("cbPeriod")->setCurrentIndex(1);
        in<QComboBox>("cbAction")->setCurrentText("Reboot");
        for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"})
            in<QCheckBox>(name)->setChecked(switches);
        next();
    }

    QByteArray fileBytes() const {
        QFile file(store.filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString summary() const { return in<QPlainTextEdit>("Memo1")->toPlainText(); }
};

} // namespace

TEST_F(TWizardFormTest, EachKindOfEventReachesTheMainWindowAndTheFile) {
    const struct {
        int kind;
        std::function<void()> options;
        const char* condition;
        bool switches;
        std::function<void(const Settings&)> check;
    } cases[] = {
        {0, [this] { in<QSlider>("TrackBar1")->setValue(35); }, "ProzCheckBox", true,
         [](const Settings& s) { EXPECT_EQ(s.proz_taskbar, 35); }},
        {1, [this] { in<QSlider>("TrackBar2")->setValue(5); }, "NetCheckBox", false,
         [this](const Settings& s) {
             EXPECT_EQ(s.net_taskbar, 5);
             EXPECT_TRUE(s.fproz); // the condition that was on stays on
             EXPECT_EQ(child<QSlider>("TrackBar2")->maximum(), 8);
             EXPECT_EQ(child<QLabel>("Label4")->text(), "8 kb/s");
         }},
        {2,
         [this] {
             setTime(7, 5, 0);
             clickDays({1, 5});
         },
         "TimeCheckBox", true,
         [](const Settings& s) {
             EXPECT_EQ(QList<int>({s.Stunde, s.Minute, s.Sekunde}), QList<int>({7, 5, 0}));
             EXPECT_EQ(QList<bool>({s.Montag, s.Dienstag, s.Freitag}), QList<bool>({true, false, true}));
         }},
        {3,
         [this] {
             wizard->openDialog().setNextAnswer("/usr/bin/sleep");
             QTest::mouseClick(in<QPushButton>("Openbtn"), Qt::LeftButton);
             in<QLineEdit>("PercentEdit")->selectAll();
             QTest::keyClicks(in<QLineEdit>("PercentEdit"), "42");
         },
         "ProcCheckBox", false,
         [](const Settings& s) {
             EXPECT_EQ(s.process, "/usr/bin/sleep");
             EXPECT_EQ(s.processpercent, 42);
         }},
        {4, [] {}, "KMCheckBox", false, [](const Settings&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        autostart.addAutostartEntry(programFile);
        openShown("fproz=1\r\narmed=1\r\nstartminimized=1\r\nstartwithwindows=1\r\n"
                  "Enabelafterrestart=1\r\nFullscreenCountdown=1\r\n");
        useWizard([&] {
            chooseEvent(c.kind);
            c.options();
            chooseAction(c.switches);
            QTest::mouseClick(in<QPushButton>("btnFinish"), Qt::LeftButton);
        });
        EXPECT_FALSE(wizard->isVisible());
        EXPECT_TRUE(child<QCheckBox>(c.condition)->isChecked());
        const Settings s = saved();
        c.check(s);
        EXPECT_EQ(s.type, "Reboot");
        EXPECT_EQ(s.time, periodSecondsForIndex(1, 60));
        EXPECT_EQ(form->watchState().tickRunning, c.switches);
        for (const bool on : {s.armed, s.Enabelafterrestart, s.startwithwindows, s.startminimized,
                              s.FullscreenCountdown, QFile::exists(autostart.entryPath())})
            EXPECT_EQ(on, c.switches);
        form.reset();
    }
}

TEST_F(TWizardFormTest, CancelAndEscWriteNothingAndStopTheTimer) {
    for (const bool esc : {false, true}) {
        openShown("fproz=1\r\nproz_taskbar=20\r\n");
        const QByteArray before = fileBytes();
        useWizard([&] {
            chooseEvent(1);
            in<QSlider>("TrackBar2")->setValue(77);
            chooseAction(true);
            if (esc)
                QTest::keyClick(wizard, Qt::Key_Escape);
            else
                QTest::mouseClick(in<QPushButton>("btnCancel"), Qt::LeftButton);
            EXPECT_FALSE(wizard->isVisible()) << esc;
        });
        EXPECT_FALSE(in<QTimer>("Timer1")->isActive());
        EXPECT_EQ(fileBytes(), before);
        EXPECT_FALSE(child<QCheckBox>("NetCheckBox")->isChecked());
        EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
        form.reset();
    }
}

TEST_F(TWizardFormTest, SummaryTextsInBothLanguages) {
    const struct {
        int language;
        bool monthly;
        std::initializer_list<int> days;
        const char* dates;
        const char* time;
    } cases[] = {
        {1, true, {}, "Ausführungszeitpunkte: monatlich am 15. jeden Monats", "Schwellwert: Uhrzeit: 7:5:0"},
        {2, true, {}, "Execution dates: monthly on the 15, each month", "Threshold: Time: 7:5:0"},
        {1, false, {1, 2, 3, 4, 5, 6, 7}, "Ausführungszeitpunkte: täglich an allen Wochentagen", "7:5:0"},
        {2, false, {1, 3, 7}, "Execution dates: daily at Monday, Wednesday, Sunday, \n", "7:5:0"},
    };
    for (const auto& c : cases) {
        openShown("Stunde=23\r\n");
        child<QAction>(c.language == 2 ? "Englisch1" : "Deutsch1")->trigger();
        useWizard([&] {
            chooseEvent(2);
            setTime(7, 5, 0);
            QTest::mouseClick(in<QRadioButton>(c.monthly ? "rbmonthly" : "rbdaily"), Qt::LeftButton);
            in<QComboBox>("cbbmonthday")->setCurrentIndex(14);
            clickDays(c.days);
            chooseAction(false);
            EXPECT_TRUE(summary().contains(c.dates)) << summary().toStdString();
            EXPECT_TRUE(summary().contains(c.time)) << summary().toStdString();
        });
        form.reset();
    }
}

TEST_F(TWizardFormTest, DayBoxesDriveTheAllDaysIndicator) {
    openShown("fproz=1\r\n");
    useWizard([&] {
        chooseEvent(2);
        auto* all = in<QCheckBox>("chkAll");
        clickDays({1, 2, 3, 4, 5, 6, 7});
        EXPECT_TRUE(all->isChecked());
        clickDays({4});
        EXPECT_FALSE(all->isChecked());
        QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(4, 9));
        EXPECT_FALSE(all->isChecked()); // only an indicator
    });
}

TEST_F(TWizardFormTest, TimeTabIsReloadedAfterBack) {
    openShown("Stunde=9\r\nMinute=30\r\n");
    useWizard([&] {
        chooseEvent(2);
        setTime(1, 2, 3);
        QTest::mouseClick(in<QPushButton>("btnBack"), Qt::LeftButton);
        next();
        EXPECT_EQ(in<QLineEdit>("edtHour")->text(), "9");
        EXPECT_EQ(in<QLineEdit>("edtMin")->text(), "30");
    });
}

TEST_F(TWizardFormTest, DeletingThePercentFieldWarnsAndRestoresTheLastValue) {
    openShown("process=/usr/bin/sleep\r\nprocesspercent=42\r\n");
    useWizard([&] {
        chooseEvent(3);
        auto* field = in<QLineEdit>("PercentEdit");
        field->selectAll();
        EXPECT_EQ(messageOf([field] { QTest::keyClick(field, Qt::Key_Backspace); }),
                  "Bitte geben Sie nur Werte zwischen 1 und 100 ein!");
        EXPECT_EQ(field->text(), "42");
    });
}

TEST_F(TWizardFormTest, FirstStartQuestionOpensTheWizardOnYesOnly) {
    for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        QFile::remove(store.filePath());
        open();
        host.messageBoxes().setNextAnswer(answer);
        bool opened = false;
        QTimer::singleShot(20, [&] {
            if (auto* shown = qobject_cast<TWizardForm*>(QApplication::activeModalWidget())) {
                opened = true;
                shown->reject();
            }
        });
        form->show();
        QTest::qWait(100);
        EXPECT_EQ(opened, answer == QMessageBox::Yes);
        EXPECT_FALSE(form->firstStart());
        form.reset();
    }
}
