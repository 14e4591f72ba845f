#include <gtest/gtest.h>

#include "MainFormFixture.h"
#include "l10n/DisplayText.h"
#include "ui/LinkLabel.h"

#include <QAction>
#include <QSystemTrayIcon>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QThread>

#include <atomic>
#include <thread>

using namespace vespera;

namespace {

using TMainFormTest = MainFormFixture;

} // namespace

TEST_F(TMainFormTest, FirstStartShowsDefaultsAndWritesTheFileWhenShown) {
    open();
    EXPECT_TRUE(form->firstStart());
    EXPECT_FALSE(store.exists()); // nothing is written while loading
    EXPECT_TRUE(child<QCheckBox>("ProzCheckBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Enabelafterrestartchk1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("FullScreenchk")->isChecked());
    EXPECT_EQ(form->windowTitle(), "Vespera V1.2.3");

    closeNextModalBox(); // the first-start question
    form->show();
    EXPECT_TRUE(store.exists());
    const Settings s = saved();
    EXPECT_TRUE(s.fproz);
    EXPECT_EQ(s.time, 300);
}

TEST_F(TMainFormTest, StoredValuesReachTheControlsAndAnOddPeriodBecomesUserDefined) {
    writeSettings("armed=1\r\ntime=45\r\ncustomtime=77\r\nFnet=1\r\ntype=Reboot\r\nproz_taskbar=42\r\n");
    open();
    EXPECT_FALSE(form->firstStart());
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), 11);
    EXPECT_EQ(form->watchState().periodSeconds, 77);
    EXPECT_TRUE(child<QCheckBox>("NetCheckBox")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("ProzCheckBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(form->watchState().tickRunning);
    EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), "Reboot");
    EXPECT_EQ(child<QSlider>("Trackbar1")->value(), 42);

    form->show();
    child<QSlider>("Trackbar1")->setValue(50);
    const Settings s = saved();
    EXPECT_EQ(s.proz_taskbar, 50);
    EXPECT_EQ(s.time, 77); // the odd value was replaced by the user-defined period
    EXPECT_TRUE(s.armed);
    EXPECT_EQ(s.type, "Reboot");
}

TEST_F(TMainFormTest, ArmingConditionsAndSelectorsSaveAtOnce) {
    openShown("fproz=1\r\n");
    child<QCheckBox>("CheckBox2")->setChecked(true);
    EXPECT_TRUE(saved().armed);
    EXPECT_TRUE(form->watchState().tickRunning);

    child<QComboBox>("ComboBox1")->setCurrentIndex(0);
    EXPECT_EQ(saved().time, 10);
    child<QComboBox>("ComboBox3")->setCurrentIndex(4);
    EXPECT_EQ(saved().type, "Abmelden");

    // Unticking the last condition ticks the processor condition again.
    child<QCheckBox>("ProzCheckBox")->setChecked(false);
    EXPECT_TRUE(child<QCheckBox>("ProzCheckBox")->isChecked());

    // The time condition alone disables the period selector.
    child<QCheckBox>("TimeCheckBox")->setChecked(true);
    child<QCheckBox>("ProzCheckBox")->setChecked(false);
    EXPECT_FALSE(child<QComboBox>("ComboBox1")->isEnabled());
    const Settings s = saved();
    EXPECT_TRUE(s.ftime);
    EXPECT_FALSE(s.fproz);

    child<QCheckBox>("CheckBox2")->setChecked(false);
    EXPECT_FALSE(saved().armed);
    EXPECT_FALSE(form->watchState().tickRunning);
    EXPECT_TRUE(child<QLabel>("StatusLine")->text().isEmpty());
}

TEST_F(TMainFormTest, ProcessConditionWithoutAProgramIsRefused) {
    openShown("fproz=1\r\n");
    closeNextModalBox(); // "IDS_97"
    child<QCheckBox>("ProcCheckBox")->setChecked(true);
    EXPECT_FALSE(child<QCheckBox>("ProcCheckBox")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("ProzCheckBox")->isChecked());
    EXPECT_FALSE(saved().Fprocess);
}

// What the file says reaches the watch itself, not only the boxes: a process condition refused while
// loading stays off in the watch, and the countdown flag arrives although its box starts unticked.
TEST_F(TMainFormTest, LoadedFlagsReachTheWatchState) {
    writeSettings("fproz=0\r\nFprocess=1\r\nFullscreenCountdown=0\r\ncustomtime=-53\r\ntime=-53\r\n");
    closeNextModalBox(); // "IDS_97": no program chosen
    open();
    const WatchState& state = form->watchState();
    EXPECT_EQ(state.conditions, (Conditions{true, false, false, false, false}));
    EXPECT_FALSE(state.fullScreenCountdown);
    EXPECT_EQ(state.periodSeconds, 60);
}

// The test program watches itself: it runs, and it has not been measured over a full interval yet.
TEST_F(TMainFormTest, ArmedProcessConditionShowsItsProgramAndWaitsWhileItRuns) {
    const QByteArray self = QFileInfo("/proc/self/exe").symLinkTarget().toUtf8();
    openShown("armed=1\r\nFprocess=1\r\nprocesspercent=1\r\ntime=10\r\nprocess=" + self + "\r\n");
    EXPECT_TRUE(child<QCheckBox>("ProcCheckBox")->isEnabled());
    tick();
    EXPECT_TRUE(
        child<QLabel>("SysInfo1lbl")->text().startsWith("\u00DCberwachter Prozess: test_main_form\n"));
    EXPECT_EQ(form->watchState().idleSeconds, 0);
}

TEST_F(TMainFormTest, ResumeRearmsOrDisarmsByTheRestartFlag) {
    openShown("fproz=1\r\ntime=10\r\n");
    form->PrepareForSleep(); // a watch the user never armed stays disarmed
    form->DoRestart();
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_FALSE(form->watchState().tickRunning);

    child<QCheckBox>("CheckBox2")->setChecked(true);
    form->PrepareForSleep();
    form->DoRestart();
    EXPECT_TRUE(form->watchState().tickRunning);
    EXPECT_EQ(form->watchState().idleSeconds, 0);
    EXPECT_EQ(form->watchState().periodSeconds, 10);

    child<QCheckBox>("Enabelafterrestartchk1")->setChecked(false);
    EXPECT_FALSE(saved().Enabelafterrestart);
    form->DoRestart();
    EXPECT_FALSE(child<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_FALSE(saved().armed);
}

TEST_F(TMainFormTest, FailedWriteIsReportedAndTheNextSaveGoesThrough) {
    openShown("fproz=1\r\n");
    QString reported;
    QObject::connect(form.get(), &TMainForm::settingsWriteFailed, [&](const QString& m) { reported = m; });
    // A folder where the file should be: no write can succeed, whatever the process's rights.
    ASSERT_TRUE(QFile::remove(store.filePath()));
    ASSERT_TRUE(QDir().mkdir(store.filePath()));
    child<QSlider>("Trackbar1")->setValue(77);
    EXPECT_TRUE(reported.contains("vsp-settings.ini")) << reported.toStdString();

    ASSERT_TRUE(QDir().rmdir(store.filePath()));
    child<QSlider>("Trackbar1")->setValue(78);
    EXPECT_EQ(saved().proz_taskbar, 78);
}

TEST_F(TMainFormTest, StartMenuTogglesSaveAndWriteTheAutostartEntry) {
    openShown("fproz=1\r\n");
    child<QAction>("WindowsStart1")->trigger();
    EXPECT_TRUE(saved().startwithwindows);
    EXPECT_TRUE(child<QAction>("TrayWindowsStart1")->isChecked());
    QFile entry(autostart.entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("Exec=\"/opt/my apps/vespera\""));
    child<QAction>("TrayWindowsStart1")->trigger();
    EXPECT_FALSE(saved().startwithwindows);
    EXPECT_FALSE(QFile::exists(autostart.entryPath()));

    child<QAction>("MiniStart1")->trigger();
    EXPECT_TRUE(saved().startminimized);
    EXPECT_TRUE(child<QAction>("TrayMiniStart1")->isChecked());
}

TEST_F(TMainFormTest, MinimisingWithoutANotificationAreaKeepsTheWindowReachable) {
    openShown("fproz=1\r\n");
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
    child<QAction>("Minimieren1")->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(TMainFormTest, ExpertItemsAndSetButtonsSaveTheirValues) {
    openShown("fproz=1\r\n");
    child<QAction>("ProzHoechster1")->trigger();
    EXPECT_EQ(saved().processormethod, 1);
    EXPECT_FALSE(child<QAction>("ProzDurchschnitt1")->isChecked());
    child<QAction>("ProzDaempfung1")->trigger();
    EXPECT_TRUE(saved().Daempfung);
    child<QAction>("ProzDurchschnitt1")->trigger();
    EXPECT_EQ(saved().processormethod, 0);

    child<QPushButton>("Button4")->click();
    EXPECT_EQ(saved().proz_taskbar, form->watchState().cpuLoad);
    child<QPushButton>("Button3")->click(); // the network gauge's value, kept within the slider's range
    const int fromGauge = networkMeter.scale().thresholdFromGauge();
    EXPECT_EQ(child<QLineEdit>("Edit4")->text(), QString::number(fromGauge));
    EXPECT_EQ(child<QSlider>("TrackBar2")->value(), fromGauge);
    EXPECT_EQ(form->watchState().netThreshold, fromGauge);
    EXPECT_EQ(saved().net_taskbar, fromGauge);
}

// A hidden window samples on but leaves its gauges alone; showing it brings them up to date.
TEST_F(TMainFormTest, HiddenWindowsGaugeCatchesUpWhenShown) {
    writeSettings("fproz=1\r\n");
    open();
    auto* gauge = child<QProgressBar>("Progressbar1_new");
    const int before = gauge->value();
    std::atomic<bool> stop{false};
    std::thread busy([&stop] {
        while (!stop)
            ;
    });
    for (int i = 0; i < 3; ++i) {
        QThread::msleep(300);
        QMetaObject::invokeMethod(child<QTimer>("Timer1"), "timeout", Qt::DirectConnection);
    }
    stop = true;
    busy.join();
    ASSERT_GE(form->watchState().cpuLoad, 20);
    EXPECT_EQ(gauge->value(), before);
    form->show();
    EXPECT_EQ(gauge->value(), form->watchState().cpuLoad);
}

TEST_F(TMainFormTest, RefusedActionAddsAFailureLineUnderTheFinishedText) {
    powerBackend.refusal = PowerResult::failure("org.freedesktop.DBus.Error.AccessDenied", "Not allowed");
    openArmed(10);
    tick(10);
    const QString status = child<QLabel>("StatusLine")->text();
    EXPECT_TRUE(status.startsWith("Fertig - Ihr PC wird ausgeschaltet!\n")) << status.toStdString();
    EXPECT_TRUE(status.contains("Not allowed")) << status.toStdString();
    EXPECT_FALSE(child<QTimer>("Timer2")->isActive());
}

// A hidden window's status line is filled in as the window is shown: with the watch's latest line, or
// with none once the watch was disarmed meanwhile.
TEST_F(TMainFormTest, StatusLineOfAHiddenWindowIsCurrentWhenShown) {
    for (const bool disarm : {false, true}) {
        writeSettings("fproz=1\r\nproz_taskbar=100\r\narmed=1\r\ntime=60\r\n");
        open();
        sampleTwice();
        tick(3);
        if (disarm)
            child<QCheckBox>("CheckBox2")->setChecked(false);
        form->show();
        const QString expected = disarm ? QString() : displayText(form->watchState().statusLine);
        EXPECT_TRUE(disarm || !expected.isEmpty());
        EXPECT_EQ(child<QLabel>("StatusLine")->text(), expected) << disarm;
        EXPECT_TRUE(disarm || child<QLabel>("StatusLine")->toolTip().startsWith(expected));
    }
}

TEST_F(TMainFormTest, LanguageSwitchTranslatesCaptionsButKeepsTheStartupLists) {
    openShown("fproz=1\r\n");
    child<QAction>("Englisch1")->trigger();
    EXPECT_EQ(child<QCheckBox>("CheckBox2")->text(), "Activate");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), "5 Minuten");
    EXPECT_EQ(saved().Language, 2);
    EXPECT_TRUE(child<QAction>("Englisch1")->isChecked());
    child<QAction>("Deutsch1")->trigger();
    EXPECT_EQ(child<QCheckBox>("CheckBox2")->text(), "Aktivieren");
    EXPECT_EQ(saved().Language, 1);
}

// The stored action and the shown entry always agree, and the program never rewrites the user's choice.
TEST_F(TMainFormTest, TheActionSelectorStoresWhatItShows) {
    powerBackend.hibernation = false;
    const std::pair<const char*, const char*> cases[] = {
        {"Reboot", "Reboot"}, {"Ruhezustand", "Standby"}, {"ausschalten", "Standby"}};
    for (const auto& [stored, shown] : cases) {
        openShown(QByteArray("fproz=1\r\ntype=") + stored + "\r\n");
        EXPECT_EQ(child<QComboBox>("ComboBox3")->count(), 4); // no hibernation
        EXPECT_EQ(child<QComboBox>("ComboBox3")->currentText(), shown) << stored;
        child<QCheckBox>("Enabelafterrestartchk1")->setChecked(false); // any save
        EXPECT_EQ(saved().type, stored);
    }

    // Hibernation becomes possible after the list was filled: the chosen entry is taken from the list
    // as the user saw it, and the refilled list keeps it selected.
    powerBackend.hibernation = true;
    auto* selector = child<QComboBox>("ComboBox3");
    selector->setCurrentIndex(2); // "Reboot" in the list without hibernation
    EXPECT_EQ(saved().type, "Reboot");
    EXPECT_EQ(selector->count(), 5);
    EXPECT_EQ(selector->currentText(), "Reboot");
}

TEST_F(TMainFormTest, QuickLinksStartTheDesktopToolOrSayThereIsNone) {
    openShown("fproz=1\r\n");
    const auto click = [this] {
        QMetaObject::invokeMethod(child<LinkLabel>("Label5"), "clicked", Qt::DirectConnection);
    };
    EXPECT_EQ(messageOf(click), "Es wurden keine Energieeinstellungen Ihres Desktops gefunden!");
    fakeTool("gnome-control-center"); // a power settings tool on the path is started, and nothing is said
    EXPECT_EQ(messageOf(click), "");
    EXPECT_EQ(toolArguments("gnome-control-center"), "power");
}

TEST_F(TMainFormTest, ChangingAConditionAfterAFiringRestartsWithTheSelectedPeriod) {
    openArmed(10);
    tick(10);
    auto* timer2 = child<QTimer>("Timer2");
    ASSERT_FALSE(timer2->isActive());
    ASSERT_EQ(form->watchState().periodSeconds, 0);

    child<QCheckBox>("NetCheckBox")->setChecked(true);
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(form->watchState().periodSeconds, 10);
    tick();
    EXPECT_TRUE(timer2->isActive()); // no firing on the next quiet second
}

namespace {
// Counts how often the information panel asks for the machine's changing facts.
struct CountingInformation : SystemInformation {
    int memoryReads = 0;
    ProcessorFacts processor() override { return {"cpu", 1, 0}; }
    OperatingSystemFacts operatingSystem() override { return {}; }
    MemoryFacts memory() override {
        ++memoryReads;
        return {};
    }
    int batteryPercent() override { return -1; }
    std::optional<SecurityProducts> securityProducts() override { return SecurityProducts{}; }
};
} // namespace

TEST_F(TMainFormTest, AHiddenWindowBuildsItsInformationPanelOnlyWhenShown) {
    auto counting = std::make_unique<CountingInformation>();
    const CountingInformation& information = *counting;
    systemInformation = std::move(counting);
    writeSettings("fproz=1\r\nproz_taskbar=100\r\narmed=1\r\ntime=60\r\n");
    open();
    tick(10);
    EXPECT_EQ(information.memoryReads, 0);
    form->show();
    EXPECT_EQ(information.memoryReads, 1);
}

// A start in the notification area builds no dialog; a dialog first opened after a language switch comes
// up in the new language.
TEST_F(TMainFormTest, DialogsAreBuiltWhenFirstOpenedInTheActiveLanguage) {
    writeSettings("startminimized=1\r\n");
    open();
    form->start();
    EXPECT_TRUE(form->findChildren<QDialog*>().isEmpty());
    form->show();
    child<QAction>("Englisch1")->trigger();
    const struct {
        std::function<void()> open;
        const char* title;
    } cases[] = {{[this] { child<QPushButton>("SchedulerButton")->click(); }, "Time Scheduler"},
                 {[this] { child<QPushButton>("ProcessBitBtn")->click(); }, "Choose process"},
                 {[this] { child<QAction>("Assistent1")->trigger(); }, "Vespera Wizard"}};
    for (const auto& c : cases)
        useModal<QDialog>(c.open,
                          [&c](QDialog& dialog) { EXPECT_EQ(dialog.windowTitle(), c.title) << c.title; });
}

// A window never shown has no value boxes yet; showing it after a language switch while hidden, and a
// switch while shown, put up the titles of the language, and the value boxes show the thresholds.
TEST_F(TMainFormTest, AHiddenWindowShowsTheActiveLanguageAndTheValuesWhenShown) {
    writeSettings("proz_taskbar=35\r\nnet_taskbar=7\r\n");
    open();
    EXPECT_TRUE(form->findChildren<QLineEdit*>().isEmpty());
    for (const auto& [item, title] :
         {std::pair{"Englisch1", "Shutdown if "}, std::pair{"Deutsch1", "Shutdown wenn "}}) {
        child<QAction>(item)->trigger();
        form->show();
        EXPECT_EQ(child<QGroupBox>("GroupBox2")->title(), title);
    }
    EXPECT_EQ(child<QLineEdit>("Edit1")->text() + " " + child<QLineEdit>("Edit4")->text(), "35 7");
}

// The condition check boxes take the table's face; where the system lacks it, they keep the window's
// stand-in face rather than the system's substitute.
TEST_F(TMainFormTest, ATableFontTheSystemLacksFallsBackToTheWindowsFace) {
    open();
    for (const char* item : {"Englisch1", "Deutsch1"}) {
        child<QAction>(item)->trigger();
        const QFont font = child<QCheckBox>("ProzCheckBox")->font();
        if (QFontDatabase::hasFamily(font.family()))
            continue;
        EXPECT_EQ(QFontInfo(font).family(), QFontInfo(form->font()).family()) << item;
        EXPECT_TRUE(QFontInfo(font).bold()) << item;
    }
}
