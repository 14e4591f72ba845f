#pragma once

#include "settings/Settings.h"
#include "dialogs/CountdownOwner.h"
#include "l10n/TextSource.h"
#include "engine/LoopHost.h"
#include "engine/MonitorLoop.h"
#include "engine/PreWarning.h"
#include "engine/WatchState.h"
#include "sensors/IdleTimeInput.h"
#include "sensors/Watch.h"
#include "platform/RemoteTarget.h"
#include "sensors/ScheduleDescriptionCache.h"
#include "sensors/ScheduleRule.h"
#include "sensors/SystemClock.h"
#include "sensors/SystemFacts.h"
#include "ui/HeldLabelText.h"
#include "ui/ShownStatus.h"
#include "ui/WizardHost.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QDialog;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QSystemTrayIcon;
class QTimer;

namespace vespera {

class Autostart;
class CachedGauge;
class FormTranslator;
class IdleTimeSource;
class LanguageDispatcher;
class LanguageMenu;
class StandardMessageBox;
class CpuLoadSampling;
class DesktopNotifications;
class DesktopTools;
class Launcher;
class NetworkMeter;
class ProcessCondition;
class ProcessSource;
class TProcessManager;
class TTaskSelectForm;
class TWizardForm;
class WindowSource;
class PowerActions;
class PhysicalKeyState;
class TCountDownForm;
class SleepInhibitor;
class LinkLabel;
class LocalClock;
class SettingsStore;
class TOnlineUpdate;
class TSchedForm;
class TCommandForm;
class TCustomTimeForm;
class SystemFactsCache;
class SystemInformation;

// What the main window needs from the program around it.
struct MainFormContext {
    QString productTitle; // "Vespera"
    QString versionText;  // from "ver.ini"
    QString programFile;  // full path of the running program file
    SettingsStore* store = nullptr;
    const Autostart* autostart = nullptr;
    CpuLoadSampling* cpuSampling = nullptr;
    NetworkMeter* networkMeter = nullptr;
    PowerActions* power = nullptr;
    SleepInhibitor* inhibitor = nullptr;           // keeps the session awake while armed; none in some tests
    DesktopNotifications* notifications = nullptr; // the warning a minute ahead; none in some tests
    const DesktopTools* desktopTools = nullptr;
    LanguageDispatcher* dispatcher = nullptr; // the program's active language
    StandardMessageBox* messageBoxes = nullptr;
    PhysicalKeyState* keys = nullptr;      // Esc for the countdown, whichever window has the focus
    TOnlineUpdate* onlineUpdate = nullptr; // absent: the "Update" item stays disabled
    QString updateAddress;                 // the update folder on the maker's server
    // Where mouse and keyboard input is seen: the hook library on an X display, or the compositor's idle
    // time on a Wayland session. With neither the input condition cannot measure.
    const WatchPlatform* watchPlatform = nullptr;
    IdleTimeSource* idleTime = nullptr;
    const LocalClock* clock = nullptr; // the wall clock of the schedule; the system's when not given
    Launcher* launcher = nullptr;      // the user's command before the action
    // The process watch; without these the process condition cannot be switched on.
    TProcessManager* processManager = nullptr;
    ProcessSource* processes = nullptr;
    WindowSource* windows = nullptr;
    SystemInformation* systemInformation = nullptr; // the machine's facts for the information panel
    std::function<QDialog&()> aboutBox;             // built when first opened, kept for the run
};

// The one window the user works with: the sensors' live values, every threshold and switch of the watch,
// the status line, the menus and the notification-area icon. It owns the watch state and its timers.
class TMainForm : public QMainWindow,
                  private LoopHost,
                  private LoopSensors,
                  private CountdownOwner,
                  private RemoteTarget,
                  private WizardHost {
    Q_OBJECT
public:
    explicit TMainForm(const MainFormContext& context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows the window, or with "minimiert starten" only the notification-area icon.
    void start();

    const WatchState& watchState() const { return state_; }
    bool firstStart() const { return firstStart_; }
    // The window as later starts of the program reach it.
    RemoteTarget& remoteTarget() { return *this; }

    // Writes every setting; does nothing while the window is loading.
    void SaveSettings();
    void SaveToIni() { SaveSettings(); }

    // Reactions to the machine going to sleep and to its resume from standby or hibernation.
    void PrepareForSleep();
    void DoRestart();

    // Shows the machine's summary in the information panel.
    void UpdateSysInfo();

    // A window never shown measures no text, so that a run in the notification area loads no fonts: the
    // first showing fits the captions, sizes the window and centres it.
    void setVisible(bool visible) override;

Q_SIGNALS:
    // The settings file or the autostart entry could not be written.
    void settingsWriteFailed(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // building
    void setupMenus();
    void setupAboutMenu();
    QMenu* addMainMenu(const char* name, const QString& caption);
    void setupMenuBar();
    void setupTranslation();
    void setupGermanHints();
    void fitCaptions();
    void fitCaption(QWidget& widget);
    void showGroupTitles();
    void setupButtonPictures();
    void setupValueEdits();
    void showThresholds();
    void fitWindow();
    void applyStartupHints();
    void setupShutdownGroup();
    void setupConditionGroup();
    void setupProcessorControls(QGroupBox* group);
    void setupNetworkControls(QGroupBox* group);
    void setupRightPanel();
    void setupStatusLine();
    void setupTray();
    void setupTimers();
    void setupCountdown();
    TCountDownForm& countdownForm();
    void fillPeriodSelector();
    void fillActionSelector(bool hibernateAllowed);
    void showStoredAction();
    void fillInterfaceList();
    void applyStartupState();

    // settings
    void LoadSettings();
    void applyConditionFlags();
    Conditions conditionBoxes() const;
    Settings collectSettings() const;

    // handlers
    void CheckBox2Click();
    void ProzCheckBoxClick();
    void ComboBox1Change();
    void ComboBox3Change();
    void Trackbar1Change();
    void TrackBar2Change();
    void Timer1Timer();
    void Timer2Timer();
    void sampleNetwork();
    void ComboBox2Change();
    void Button3Click();
    void selectProcessorMethod(int method);
    void toggleDamping();
    void showGauges();
    void showNetworkScale();
    void Timer4Timer();
    void ScharfStatus() override;
    void checkAction();
    void updateInhibitor();
    void EntwederOder();
    void syncFromState();
    void askFirstStart();
    void hideToTray();
    void showFromTray();
    void toggleStartMinimized();
    void toggleAutostart();
    void Update1Click();
    bool toggleStartItem(bool& setting, QAction* menuItem, QAction* trayItem);
    void openQuickLink(bool (DesktopTools::*open)() const, const char* notFoundKey);
    void SchedulerButtonClick();
    TSchedForm& schedForm();

    // mouse and keyboard
    void setupWatch();
    void startOrStopWatch();
    void Watch1KeyNative(std::int32_t wParam, std::int32_t lParam);
    void Watch1MouseDown(MouseButton button, ShiftState shift, int X, int Y);
    void Watch1MouseUp(MouseButton button, ShiftState shift, int X, int Y);
    void Watch1MouseMove(ShiftState shift, int X, int Y);
    void readIdleTime();
    QString inputUnmeasuredReason();
    void setupExpertDialogs();
    void Kommando1Click();
    void Shutdownzeitraum1Click();
    TCommandForm& commandForm();
    TCustomTimeForm& customTimeForm();
    void setupProcessWatch();
    TTaskSelectForm* taskSelectForm();
    void ProcessBitBtnClick();
    void watchProcess();
    QString processReason() const;
    ScreenFacts screenFacts() const;
    void openHelp();
    void showAboutBox();

    // LoopHost
    void disarm() override;
    void showProcessStatus() override;
    void refreshSystemInfo() override;
    void showCountdown(int remaining) override;
    void closeCountdown() override;
    void setCountdownText(const QString& text) override;
    void stopTick() override;
    void runShutdownCommand() override;
    void performAction(const QString& actionName) override;

    // CountdownOwner, beside disarm, ScharfStatus and stopTick
    void setStatusLine(const QString& text) override;
    void setTrayHint(const QString& text) override;

    // LoopSensors
    QString unmeasuredReason(StateCondition condition) override;
    bool processBusy() override;
    QString processDescription() override;
    bool scheduleMatches() override;
    QString scheduleDescription(const QString& actionShortText) override;

    // the settings wizard
    void setupWizard();
    TWizardForm& wizardForm();
    void openWizard();
    WizardStart wizardStart() const override;
    void applyWizard(const WizardChoice& choice) override;
    void applyWizardEvent(const WizardChoice& choice);
    void applyWizardNetwork(const WizardChoice& choice);
    void applyWizardSchedule(const WizardSchedule& schedule);
    static void tickCondition(QCheckBox* box);

    // RemoteTarget
    void setArmed(bool armed) override;
    RemoteStatus remoteStatus() const override;
    void setAction(const QString& actionName) override;
    void setPeriod(int seconds) override;

    QString text(const char* key) const;

    MainFormContext context_;
    std::unique_ptr<FormTranslator> translator_;
    std::unique_ptr<LanguageMenu> languageMenu_;
    std::unique_ptr<SystemFactsCache> systemFacts_;
    int panelRevision_ = -1; // the facts' revision and the screen the panel shows
    ScreenFacts panelScreen_;
    WatchState state_;
    ShownStatus shownStatus_;
    std::optional<HeldLabelText> statusText_; // the status line's
    Settings settings_;
    MonitorLoop loop_;
    std::unique_ptr<TWatch> Watch1;
    IdleTimeInput idleInput_;
    std::int32_t LastMouseX = 0;
    std::int32_t LastMouseY = 0;
    SystemClock systemClock_;
    const LocalClock& clock_;
    ScheduleRule schedule_;
    PreWarning preWarning_;
    // The secondary windows are built when first opened and kept afterwards.
    TSchedForm* schedForm_ = nullptr;
    std::unique_ptr<FormTranslator> scheduleTexts_; // the schedule dialog's words in the status line
    ScheduleDescriptionCache scheduleLine_;
    bool loading_ = false;
    bool fitted_ = false; // shown at least once
    QList<QMenu*> mainMenus_;
    bool firstStart_ = false;
    bool askingFirstStart_ = false;
    bool armedAtSleep_ = false;
    static constexpr int ActionCheckTicks = 30;
    int ticksSinceActionCheck_ = 0;
    bool waitingForCommand_ = false;
    std::unique_ptr<ProcessCondition> processCondition_;
    TTaskSelectForm* taskSelect_ = nullptr;
    TWizardForm* wizard_ = nullptr;

    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* Enabelafterrestartchk1 = nullptr;
    QCheckBox* FullScreenchk = nullptr;
    QCheckBox* ProzCheckBox = nullptr;
    QCheckBox* NetCheckBox = nullptr;
    QCheckBox* TimeCheckBox = nullptr;
    QCheckBox* ProcCheckBox = nullptr;
    QCheckBox* KMCheckBox = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QSlider* Trackbar1 = nullptr;
    QSlider* TrackBar2 = nullptr;
    QLineEdit* Edit1 = nullptr; // Edit1 and Edit4 are made at the window's first showing
    QLineEdit* Edit4 = nullptr;
    CachedGauge* Progressbar1_new = nullptr;
    CachedGauge* ProgressBar2_new = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* ProcessBitBtn = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* StatusLine = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* SysInfo1lbl = nullptr;
    LinkLabel* lblTask = nullptr;
    LinkLabel* Label5 = nullptr;
    LinkLabel* Label9 = nullptr;

    QAction* startWithSystemAction_ = nullptr;
    QAction* startMinimizedAction_ = nullptr;
    QAction* trayStartWithSystemAction_ = nullptr;
    QAction* trayStartMinimizedAction_ = nullptr;
    QAction* averageMethodAction_ = nullptr;
    QAction* highestMethodAction_ = nullptr;
    QAction* dampingAction_ = nullptr;
    QAction* commandAction_ = nullptr;
    QAction* keepAwakeAction_ = nullptr;
    QAction* warnAheadAction_ = nullptr;
    QAction* germanAction_ = nullptr;
    QAction* englishAction_ = nullptr;
    QAction* helpAction_ = nullptr;

    QSystemTrayIcon* tray_ = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer4 = nullptr;
    std::unique_ptr<TCountDownForm> countdown_;
    TCommandForm* commandForm_ = nullptr;
    TCustomTimeForm* customTimeForm_ = nullptr;
};

} // namespace vespera
