// Building the main window's controls. Positions and sizes are in pixels at 96 dpi; Qt's
// device-independent pixels scale them with the screen.
#include "ui/TMainForm.h"
#include "ui/WidgetPlacement.h"

#include "l10n/HeldGroupTitle.h"

#include "ui/LinkLabel.h"
#include "ui/MenuItem.h"
#include "ui/BannerTextLabel.h"
#include "ui/CachedGauge.h"
#include "ui/PictureLabel.h"
#include "ui/PngIcon.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>

namespace vespera {

namespace {

// Check boxes and labels without a given size take the size of their caption from the window's first
// showing on, also after a language switch (see fitCaptions).
constexpr const char* AutoSize = "vesperaAutoSize";

QCheckBox* checkBox(QWidget* parent, const char* name, int x, int y, const QString& caption,
                    bool bold = false) {
    auto* box = place<QCheckBox>(parent, name, x, y);
    box->setProperty(AutoSize, true);
    box->setText(caption);
    if (bold) {
        QFont f = box->font();
        f.setBold(true);
        box->setFont(f);
    }
    return box;
}

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& caption) {
    auto* l = place<QLabel>(parent, name, x, y);
    l->setProperty(AutoSize, true);
    l->setText(caption);
    return l;
}

LinkLabel* link(QWidget* parent, const char* name, int y, const QString& caption) {
    auto* l = place<LinkLabel>(parent, name, 8, y);
    l->setProperty(AutoSize, true);
    l->setText(caption);
    return l;
}

// The title shows from the window's first showing on (see showGroupTitles).
QGroupBox* group(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption) {
    auto* g = place<QGroupBox>(parent, name, x, y, w, h);
    holdGroupTitle(*g, caption);
    return g;
}

QSlider* trackBar(QWidget* parent, const char* name, int x, int y, int min, int max, int tick) {
    auto* s = place<QSlider>(parent, name, x, y, 247, 25);
    s->setOrientation(Qt::Horizontal);
    s->setRange(min, max);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(tick);
    return s;
}

QLineEdit* valueEdit(QWidget* parent, const char* name, int x, int y) {
    auto* e = place<QLineEdit>(parent, name, x, y, 47, 21);
    e->setReadOnly(true);
    return e;
}

CachedGauge* gauge(QWidget* parent, const char* name, int x, int y, const QString& format) {
    auto* bar = place<CachedGauge>(parent, name, x, y, 201, 22);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setFormat(format);
    bar->setAlignment(Qt::AlignCenter);
    return bar;
}

} // namespace

void TMainForm::fitCaptions() {
    for (QWidget* widget : findChildren<QWidget*>())
        if (widget->property(AutoSize).toBool())
            fitCaption(*widget);
}

void TMainForm::fitCaption(QWidget& widget) {
    if (fitted_)
        widget.adjustSize();
}

// The buttons' pictures come with the window's first showing: a run in the notification area never
// needs them.
void TMainForm::setupButtonPictures() {
    const auto picture = [this](const char* button, const char* file) {
        auto* target = findChild<QPushButton*>(QLatin1String(button));
        target->setIcon(pngIcon(QStringLiteral(":/pictures/") + QLatin1String(file)));
        target->setIconSize(QSize(24, 24));
    };
    picture("SchedulerButton", "clock.png");
    picture("ProcessBitBtn", "program.png");
}

void TMainForm::showGroupTitles() {
    for (QGroupBox* box : findChildren<QGroupBox*>())
        releaseGroupTitle(*box);
}

// The two value boxes are made at the window's first showing: a line edit lays out its text as soon
// as it exists. They stand after their sliders in the focus order, as they stand beside them.
void TMainForm::setupValueEdits() {
    Edit1 = valueEdit(Trackbar1->parentWidget(), "Edit1", 257, 65);
    Edit4 = valueEdit(TrackBar2->parentWidget(), "Edit4", 257, 178);
    Edit1->setToolTip(QStringLiteral("Aktuell gesetzte Prozessorauslastung"));
    Edit4->setToolTip(QStringLiteral("Aktuell gesetzter Netzwerktraffic "));
    setTabOrder(Trackbar1, Edit1);
    setTabOrder(TrackBar2, Edit4);
    showThresholds();
}

void TMainForm::showThresholds() {
    if (!Edit1)
        return;
    Edit1->setText(QString::number(state_.cpuThreshold));
    Edit4->setText(QString::number(state_.netThreshold));
}

// Hints of the controls the translation table leaves alone; the others come from the table's German.
void TMainForm::setupGermanHints() {
    Progressbar1_new->setToolTip(QStringLiteral("Aktuelle Prozessorauslastung"));
    ProgressBar2_new->setToolTip(
        QStringLiteral("Der aktuelle Netzwerkdurchsatz des gewählten Netzwerkinterfaces"));
    ComboBox1->setToolTip(
        QStringLiteral("Hier stellen Sie den Zeitraum ein, nach dessen Erreichen\r\nder "
                       "nebenstehende Event ausgelöst wird. Hierzu muss \r\nselbstverständlich "
                       "Vespera \"Aktiviert\" sein"));
    ComboBox3->setToolTip(
        QStringLiteral("Hier stellen Sie die Aktion/Event ein, die beim Erreichen des \r\n"
                       "nebenstehenden Zeitpunktes ausgeläst wird.Der Ruhezustand\r\nbzw. "
                       "Standby ist hier nur auswählbar, wenn Ihr PC diese\r\nFunktionen auch "
                       "unterstützt."));
}

void TMainForm::setupShutdownGroup() {
    auto* central = centralWidget();
    auto* box = group(central, "GroupBox1", 4, 6, 309, 69, QStringLiteral("Shutdown nach "));
    ComboBox1 = place<QComboBox>(box, "ComboBox1", 7, 20, 105, 21);
    ComboBox3 = place<QComboBox>(box, "ComboBox3", 119, 20, 97, 21);
    CheckBox2 = checkBox(box, "CheckBox2", 227, 22, QStringLiteral("Aktivieren"), true);
    Enabelafterrestartchk1 =
        checkBox(box, "Enabelafterrestartchk1", 7, 46, QStringLiteral("nach Neustart wieder aktiv"));
    FullScreenchk = checkBox(box, "FullScreenchk", 168, 46, QStringLiteral("Fullscreen Countdown"));
}

void TMainForm::setupConditionGroup() {
    auto* box = group(centralWidget(), "GroupBox2", 4, 80, 309, 369, QStringLiteral("Shutdown wenn "));
    setupProcessorControls(box);
    setupNetworkControls(box);
    TimeCheckBox = checkBox(box, "TimeCheckBox", 8, 227, QStringLiteral("Zeitpunkt erreicht:"), true);
    auto* scheduler = place<QPushButton>(box, "SchedulerButton", 8, 245, 289, 33);
    scheduler->setText(QStringLiteral("Zeitpunkt(e) einrichten"));
    connect(scheduler, &QPushButton::clicked, this, &TMainForm::SchedulerButtonClick);
    ProcCheckBox = checkBox(box, "ProcCheckBox", 8, 286, QStringLiteral("Prozess beendet:"), true);
    ProcessBitBtn = place<QPushButton>(box, "ProcessBitBtn", 8, 304, 288, 33);
    ProcessBitBtn->setText(QStringLiteral("Programm / Prozess wählen"));
    KMCheckBox =
        checkBox(box, "KMCheckBox", 8, 344, QStringLiteral("keine Maus- / Tastaturaktivität:"), true);
}

void TMainForm::setupProcessorControls(QGroupBox* box) {
    ProzCheckBox = checkBox(box, "ProzCheckBox", 8, 18, QStringLiteral("Prozessorauslastung unter:"), true);
    label(box, "Label1", 8, 40, QStringLiteral("Aktuell:"));
    Progressbar1_new = gauge(box, "Progressbar1_new", 48, 37, QStringLiteral("%v%"));
    Button4 = place<QPushButton>(box, "Button4", 256, 36, 47, 24);
    Button4->setText(QStringLiteral("Setzen"));
    Trackbar1 = trackBar(box, "Trackbar1", 10, 64, 0, 100, 5);
    Trackbar1->setValue(10);
}

void TMainForm::setupNetworkControls(QGroupBox* box) {
    NetCheckBox = checkBox(box, "NetCheckBox", 8, 99, QStringLiteral("Netzwerktraffic unter:"), true);
    label(box, "Label3", 8, 120, QStringLiteral("Netzwerkinterface:"));
    ComboBox2 = place<QComboBox>(box, "ComboBox2", 109, 118, 196, 19);
    label(box, "Label2", 8, 150, QStringLiteral("Aktuell:"));
    ProgressBar2_new = gauge(box, "ProgressBar2_new", 48, 145, QStringLiteral("%vkb/s"));
    Button3 = place<QPushButton>(box, "Button3", 256, 144, 47, 24);
    Button3->setText(QStringLiteral("Setzen"));
    TrackBar2 = trackBar(box, "TrackBar2", 10, 176, 1, 100, 5);
    TrackBar2->setValue(1);
    label(box, "Label6", 8, 203, QStringLiteral("1 kb/s"));
    label(box, "Label8", 112, 203, QStringLiteral("Skala"));
    Label4 = label(box, "Label4", 208, 203, QStringLiteral("3 kb/s"));
}

void TMainForm::setupRightPanel() {
    auto* panel = place<QWidget>(centralWidget(), "RightPanel", 313, 8, 194, 441);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    auto* links = group(panel, "GroupBox4", 4, -2, 182, 69, QStringLiteral("Quicklinks "));
    lblTask = link(links, "lblTask", 18, QStringLiteral("Windows Taskplaner starten"));
    Label5 = link(links, "Label5", 34, QStringLiteral("Energieoptionen anzeigen"));
    Label9 = link(links, "Label9", 50, QStringLiteral("Einstellungsassistent starten"));
    GroupBox3 = group(panel, "GroupBox3", 4, 72, 182, 121, QStringLiteral("Systeminformation "));
    place<PictureLabel>(panel, "Image1", 4, 200, 182, 230)
        ->setPicture(QStringLiteral(":/pictures/panel.png"));
    SysInfo1lbl = place<QLabel>(GroupBox3, "SysInfo1lbl", 6, 19, 170, 98);
    SysInfo1lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SysInfo1lbl->setAutoFillBackground(true); // white as the panel: a new text repaints the label alone
    QFont small = SysInfo1lbl->font();
    small.setPixelSize(9);
    SysInfo1lbl->setFont(small);
}

void TMainForm::setupStatusLine() {
    auto* banner = place<PictureLabel>(centralWidget(), "Banner", 4, 457, 317, 40);
    banner->setPicture(QStringLiteral(":/pictures/banner.png"));
    StatusLine = new BannerTextLabel(*banner, centralWidget());
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setGeometry(8, 457, 309, 40);
    StatusLine->setWordWrap(true);
    QPalette white = StatusLine->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    StatusLine->setPalette(white);
    QFont bold = StatusLine->font();
    bold.setBold(true);
    // The line changes every second; Latin text drawn without kerning skips the text shaper.
    bold.setStyleStrategy(QFont::PreferNoShaping);
    StatusLine->setFont(bold);
    statusText_.emplace(*StatusLine);
}

// The menus stand in the menu bar from the window's first showing on: the bar loads the toolkit's
// pictures, which a run in the notification area never needs.
QMenu* TMainForm::addMainMenu(const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(QString::fromLatin1(name));
    mainMenus_.append(menu);
    return menu;
}

void TMainForm::setupMenuBar() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (QMenu* menu : std::as_const(mainMenus_))
        menuBar()->addMenu(menu);
}

void TMainForm::setupMenus() {
    QMenu* file = addMainMenu("Datei1", QStringLiteral("Datei"));
    startWithSystemAction_ = addMenuItem(file, "WindowsStart1", QStringLiteral("mit Windows starten"));
    startMinimizedAction_ = addMenuItem(file, "MiniStart1", QStringLiteral("minimiert starten"));
    file->addSeparator();
    addMenuItem(file, "Taskplaner1", QStringLiteral("Taskplaner starten"));
    addMenuItem(file, "Assistent1", QStringLiteral("Assistent starten"));
    connect(addMenuItem(file, "Minimieren1", QStringLiteral("Minimieren")), &QAction::triggered, this,
            &TMainForm::hideToTray);
    connect(addMenuItem(file, "Beenden1", QStringLiteral("Beenden")), &QAction::triggered, this,
            &QWidget::close);
    connect(startWithSystemAction_, &QAction::triggered, this, &TMainForm::toggleAutostart);
    connect(startMinimizedAction_, &QAction::triggered, this, &TMainForm::toggleStartMinimized);

    QMenu* language = addMainMenu("Sprache1", QStringLiteral("Sprache"));
    germanAction_ = addMenuItem(language, "Deutsch1", QStringLiteral("Deutsch"));
    englishAction_ = addMenuItem(language, "Englisch1", QStringLiteral("Englisch"));

    QMenu* expert = addMainMenu("Expertenoptionen1", QStringLiteral("Expertenoptionen"));
    averageMethodAction_ = addMenuItem(expert, "ProzDurchschnitt1",
                                       QStringLiteral("Prozessormethode: Durchschnitt (aller Kerne)"));
    highestMethodAction_ = addMenuItem(expert, "ProzHoechster1",
                                       QStringLiteral("Prozessormethode: Höchster Wert (aller Kerne)"));
    dampingAction_ =
        addMenuItem(expert, "ProzDaempfung1", QStringLiteral("Prozessormethode: Dämpfung der Sensitivität"));
    commandAction_ = addMenuItem(expert, "Kommando1", QStringLiteral("Kommando vor dem Shutdown ausführen"));
    addMenuItem(expert, "Shutdownzeitraum1",
                QStringLiteral("Benutzerdefinierten Shutdownzeitraum einstellen"));
    keepAwakeAction_ =
        addMenuItem(expert, "WachHalten1", QStringLiteral("PC wach halten, solange aktiviert"));
    warnAheadAction_ = addMenuItem(expert, "Vorwarnung1", QStringLiteral("Vorwarnung eine Minute vorher"));
    setupAboutMenu();
    for (QAction* a :
         {startWithSystemAction_, startMinimizedAction_, germanAction_, englishAction_, averageMethodAction_,
          highestMethodAction_, dampingAction_, commandAction_, keepAwakeAction_, warnAheadAction_})
        a->setCheckable(true);
}

// Help, update and about.
void TMainForm::setupAboutMenu() {
    QMenu* about = addMainMenu("Ueber1", QStringLiteral("Über"));
    helpAction_ = addMenuItem(about, "Hilfe1", QStringLiteral("Hilfe"));
    connect(helpAction_, &QAction::triggered, this, &TMainForm::openHelp);
    QAction* update = addMenuItem(about, "Update1", QStringLiteral("Update"));
    update->setEnabled(context_.onlineUpdate != nullptr);
    connect(update, &QAction::triggered, this, &TMainForm::Update1Click);
    connect(addMenuItem(about, "UeberBox1", QStringLiteral("Über")), &QAction::triggered, this,
            &TMainForm::showAboutBox);
}

} // namespace vespera
