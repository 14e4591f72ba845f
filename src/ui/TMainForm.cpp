#include "ui/TMainForm.h"

#include "settings/SettingsStore.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/LanguageMenu.h"
#include "l10n/Languages.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"
#include "engine/PowerActions.h"
#include "dialogs/fCountdown.h"
#include "platform/DesktopTools.h"
#include "sensors/NetworkMeter.h"
#include "sensors/ProcessCondition.h"
#include "sensors/SystemFactsCache.h"
#include "ui/CachedGauge.h"
#include "ui/FormFont.h"
#include "ui/LinkLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTimer>

#include <exception>

namespace vespera {

namespace {
constexpr int ClientWidth = 507;
constexpr int ClientHeight = 495;
const QStringList DoNotTranslate = {QStringLiteral("ComboBox3"),
                                    QStringLiteral("ComboBox1"),
                                    QStringLiteral("TcpClient1"),
                                    QStringLiteral("MainMenu1"),
                                    QStringLiteral("Progressbar1_new"),
                                    QStringLiteral("ProgressBar2_new"),
                                    QStringLiteral("Edit4"),
                                    QStringLiteral("Edit1")};
} // namespace

TMainForm::TMainForm(const MainFormContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context),
      translator_(
          createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TMainForm")), DoNotTranslate)),
      systemFacts_(std::make_unique<SystemFactsCache>(*context.systemInformation)),
      loop_(state_, *this, *this, *translator_), clock_(context.clock ? *context.clock : systemClock_),
      schedule_(clock_), preWarning_(state_, schedule_, settings_, *translator_, context.notifications) {
    setObjectName(QStringLiteral("TMainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(formFont(11));
    setCentralWidget(new QWidget(this));
    setupMenus();
    setupShutdownGroup();
    setupConditionGroup();
    setupRightPanel();
    setupStatusLine();
    setupTray();
    setupTimers();
    setupWatch();
    setupTranslation();
    scheduleTexts_ = std::make_unique<FormTranslator>(shippedTranslationTable(QStringLiteral("TSchedForm")),
                                                      QStringLiteral("TSchedForm"), twoLanguageNames());
    context_.dispatcher->link(*scheduleTexts_);
    setupExpertDialogs();
    setupProcessWatch();
    setupWizard();
    centralWidget()->setFixedSize(ClientWidth, ClientHeight);
    applyStartupState();
    setupCountdown();
}

TMainForm::~TMainForm() = default;

// The building steps of the window, in the order the rest of the program relies on.
void TMainForm::applyStartupState() {
    context_.store->ensureFolder();
    firstStart_ = false;
    fillPeriodSelector();
    fillActionSelector(context_.power->hibernateAllowed());
    loading_ = true;
    LoadSettings();
    tray_->setToolTip(context_.productTitle);
    setWindowTitle(context_.productTitle + QStringLiteral(" V") + context_.versionText);
    firstStart_ = !context_.store->exists();
    context_.networkMeter->startScale(state_.netThreshold);
    showNetworkScale();
    fillInterfaceList();
    applyStartupHints();
    Timer1->start();
    Trackbar1->setValue(state_.cpuThreshold);
    TrackBar2->setValue(state_.netThreshold);
    startMinimizedAction_->setChecked(settings_.startminimized);
    trayStartMinimizedAction_->setChecked(settings_.startminimized);
    startWithSystemAction_->setChecked(settings_.startwithwindows);
    trayStartWithSystemAction_->setChecked(settings_.startwithwindows);
    if (settings_.armed)
        CheckBox2->setChecked(true);
    Enabelafterrestartchk1->setChecked(settings_.Enabelafterrestart);
    showStoredAction();
    EntwederOder();
    ComboBox1->setCurrentIndex(state_.periodIndex);
    EntwederOder();
    watchProcess();
}

void TMainForm::setVisible(bool visible) {
    if (visible && !fitted_) {
        fitted_ = true;
        fitWindow();
    }
    QMainWindow::setVisible(visible);
}

void TMainForm::fitWindow() {
    setupMenuBar();
    setupValueEdits();
    setupButtonPictures();
    showGroupTitles();
    fitCaptions();
    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The window follows the program's language from now on; the menu switches it for every window.
void TMainForm::setupTranslation() {
    setupGermanHints();
    translator_->translateForm(); // the German hints of the table
    context_.dispatcher->link(*translator_);
    fitCaptions();
    languageMenu_ =
        std::make_unique<LanguageMenu>(*germanAction_, *englishAction_, *context_.dispatcher, [this] {
            fitCaptions();
            UpdateSysInfo();
            SaveSettings();
        });
    languageMenu_->startUp(*helpAction_);
}

// Four hints the table leaves out: in English they are set once here and a later switch keeps them.
void TMainForm::applyStartupHints() {
    if (context_.dispatcher->activeLanguage() != 2)
        return;
    Progressbar1_new->setToolTip(QStringLiteral("Actual processor utilization"));
    ProgressBar2_new->setToolTip(
        QStringLiteral("The current network throughput of the selected network interfaces"));
    ComboBox1->setToolTip(
        QStringLiteral("You can set the time period after the \r\nthe event is going to be "
                       "triggered. Of course\r\nyou have to enable \"Activate\" to start time period!"));
    ComboBox3->setToolTip(
        QStringLiteral("You can set the action / event, which is done be reaching the\r\nadjacent "
                       "timing. Hibernate or Standby modes are only \r\navailable if your PC "
                       "supports those functions."));
}

void TMainForm::fillPeriodSelector() {
    const QSignalBlocker block(ComboBox1);
    for (int i = 22; i <= 32; ++i)
        ComboBox1->addItem(translator_->lookupText(QStringLiteral("IDS_%1").arg(i)));
    ComboBox1->addItem(context_.dispatcher->activeLanguage() == 2 ? QStringLiteral("User defined")
                                                                  : QStringLiteral("Benutzerdefiniert"));
    ComboBox1->setCurrentIndex(0);
}

void TMainForm::fillActionSelector(bool hibernateAllowed) {
    const QSignalBlocker block(ComboBox3);
    ComboBox3->clear();
    ComboBox3->addItem(text("IDS_3"));
    state_.hibernateEntry = hibernateAllowed;
    if (state_.hibernateEntry)
        ComboBox3->addItem(text("IDS_2"));
    ComboBox3->addItems({QStringLiteral("Standby"), QStringLiteral("Reboot"), text("IDS_5")});
    ComboBox3->setCurrentIndex(0);
}

// Selects the entry of the stored action without taking it as the user's choice: the stored name stays
// as it is (a "Ruhezustand" shown as "Standby" where hibernation is not allowed is still hibernation).
void TMainForm::showStoredAction() {
    const QSignalBlocker block(ComboBox3);
    state_.actionIndex = actionIndexForName(state_.actionName, state_.hibernateEntry);
    ComboBox3->setCurrentIndex(state_.actionIndex);
}

void TMainForm::fillInterfaceList() {
    const QSignalBlocker block(ComboBox2);
    try {
        context_.networkMeter->setNetworkCard(settings_.networkcard);
        context_.networkMeter->RefreshInterfaces(true);
        ComboBox2->addItems(context_.networkMeter->interfaceNames());
        ComboBox2->setCurrentIndex(context_.networkMeter->selectedEntry());
    } catch (const std::exception&) {
        // the program starts without the list
    }
}

void TMainForm::setupTimers() {
    const auto timer = [this](const char* name, int interval) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(interval);
        return t;
    };
    Timer1 = timer("Timer1", 1000);
    Timer2 = timer("Timer2", 1000);
    Timer4 = timer("Timer4", 100);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(Timer4, &QTimer::timeout, this, &TMainForm::Timer4Timer);
    Timer4->start();

    connect(CheckBox2, &QCheckBox::toggled, this, &TMainForm::CheckBox2Click);
    for (QCheckBox* box : {ProzCheckBox, NetCheckBox, TimeCheckBox, ProcCheckBox, KMCheckBox})
        connect(box, &QCheckBox::toggled, this, &TMainForm::ProzCheckBoxClick);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox1Change);
    connect(ComboBox3, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox3Change);
    connect(Trackbar1, &QSlider::valueChanged, this, &TMainForm::Trackbar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TMainForm::TrackBar2Change);
    connect(Enabelafterrestartchk1, &QCheckBox::toggled, this, [this](bool on) {
        settings_.Enabelafterrestart = on;
        SaveSettings();
    });
    connect(FullScreenchk, &QCheckBox::toggled, this, [this](bool on) { state_.fullScreenCountdown = on; });
    connect(Button4, &QPushButton::clicked, this, [this] { Trackbar1->setValue(state_.cpuLoad); });
    connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
    const auto scheduler = [this] { openQuickLink(&DesktopTools::openSchedulingTool, "IDS_901"); };
    connect(lblTask, &LinkLabel::clicked, this, scheduler);
    connect(findChild<QAction*>(QStringLiteral("Taskplaner1")), &QAction::triggered, this, scheduler);
    connect(Label5, &LinkLabel::clicked, this,
            [this] { openQuickLink(&DesktopTools::openPowerSettings, "IDS_902"); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TMainForm::ComboBox2Change);
    connect(averageMethodAction_, &QAction::triggered, this, [this] { selectProcessorMethod(0); });
    connect(highestMethodAction_, &QAction::triggered, this, [this] { selectProcessorMethod(1); });
    connect(dampingAction_, &QAction::triggered, this, &TMainForm::toggleDamping);
    connect(keepAwakeAction_, &QAction::triggered, this, [this] {
        updateInhibitor();
        SaveSettings();
    });
    connect(warnAheadAction_, &QAction::triggered, this, [this](bool on) {
        preWarning_.setEnabled(on);
        SaveSettings();
    });
}

// "Abbrechen" on the warning a minute ahead disarms as the countdown's Cancel does.
void TMainForm::setupCountdown() {
    preWarning_.setCancel([this] { countdownForm().AdvGlassButton1Click(); });
}

// The countdown window is built when the tick first needs it and lives as long as the main window,
// hidden until the tick shows it.
TCountDownForm& TMainForm::countdownForm() {
    if (!countdown_) {
        CountdownOwner& owner = *this;
        countdown_ = std::make_unique<TCountDownForm>(owner, *context_.keys, *context_.dispatcher);
    }
    return *countdown_;
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    statusText_->pass();
    showGauges();
    UpdateSysInfo();
    loading_ = false;
    if (firstStart_)
        SaveToIni();
    if (firstStart_)
        QTimer::singleShot(0, this, &TMainForm::askFirstStart);
}

void TMainForm::askFirstStart() {
    if (!firstStart_ || askingFirstStart_)
        return;
    askingFirstStart_ = true;
    const QString question = text("IDS_231") + QStringLiteral("\r\n") + text("IDS_232");
    const auto answer = context_.messageBoxes->show(this, QMessageBox::Question, question,
                                                    QMessageBox::Yes | QMessageBox::No);
    // The question is asked once a run, whatever the answer.
    firstStart_ = false;
    askingFirstStart_ = false;
    if (answer == QMessageBox::Yes)
        openWizard();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    SaveSettings();
    tray_->hide();
    event->accept();
    QCoreApplication::quit();
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible() &&
        QSystemTrayIcon::isSystemTrayAvailable())
        QTimer::singleShot(0, this, &TMainForm::hideToTray);
}

// Serves the minimised start only: once the window has been shown, minimising is handled as it happens.
void TMainForm::Timer4Timer() {
    if (isVisible() && isMinimized())
        hideToTray();
    if (isVisible() || tray_->isVisible())
        Timer4->stop();
}

QString TMainForm::text(const char* key) const {
    return translator_->lookupText(QString::fromLatin1(key));
}

} // namespace vespera
