// Building the settings wizard's frame and pages. Positions and sizes are in pixels at 96 dpi; Qt's
// device-independent pixels scale them with the screen.
#include "ui/fwizard.h"
#include "ui/WidgetPlacement.h"

#include "ui/FileOpenDialog.h"
#include "ui/WrapRadioButton.h"
#include "ui/WeekdayBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

namespace vespera {

namespace {

constexpr int PictureWidth = 121;
constexpr int StepsWidth = 366;
constexpr int StepsHeight = 352; // above the button bar of 42
constexpr int HeaderHeight = 64;
constexpr int InnerWidth = 338; // of the texts on a tab

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& text, int w = -1, int h = 15) {
    auto* l = place<QLabel>(parent, name, x, y, w < 0 ? 320 : w, h);
    l->setText(text);
    l->setWordWrap(h > 15);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QSlider* trackBar(QWidget* parent, const char* name, int x, int y, int w, int max) {
    auto* s = place<QSlider>(parent, name, x, y, w, 25);
    s->setOrientation(Qt::Horizontal);
    s->setRange(1, max);
    s->setPageStep(max / 10);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(max / 20);
    return s;
}

template <typename W> W* captioned(QWidget* parent, const char* name, int x, int y, const QString& caption) {
    auto* widget = place<W>(parent, name, x, y, 104, 19);
    widget->setText(caption);
    return widget;
}

QWidget* page(QWidget* parent, const char* name) {
    auto* p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    return p;
}

} // namespace

void TWizardForm::setupFrame() {
    auto* picture = place<QLabel>(this, "Image1", 0, 0, PictureWidth, StepsHeight);
    picture->setPixmap(QIcon(QStringLiteral(":/pictures/wizard.svg")).pixmap(picture->size()));
    picture->setScaledContents(true);
    auto* header = place<QWidget>(this, "Header", PictureWidth, 0, StepsWidth, HeaderHeight);
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    header->setPalette(white);
    lblTitle = label(header, "lblTitle", 10, 6, QString(), 346);
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    lblSubtitle = label(header, "lblSubtitle", 14, 22, QString(), 348, 40);
    auto* line = place<QFrame>(this, "Bevel1", PictureWidth, HeaderHeight, StepsWidth, 2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    JvWizard1 = place<QStackedWidget>(this, "JvWizard1", PictureWidth, HeaderHeight + 2, StepsWidth,
                                      StepsHeight - HeaderHeight - 2);
    for (QWidget* step : {setupEventPage(), setupOptionsPage(), setupActionPage(), setupSummaryPage()})
        JvWizard1->addWidget(step);
    setupButtons();
}

void TWizardForm::setupButtons() {
    auto* line = place<QFrame>(this, "Bevel2", 0, StepsHeight, PictureWidth + StepsWidth, 2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    btnBack = place<QPushButton>(this, "btnBack", 222, StepsHeight + 9, 80, 25);
    btnNext = place<QPushButton>(this, "btnNext", 304, StepsHeight + 9, 80, 25);
    btnFinish = place<QPushButton>(this, "btnFinish", 304, StepsHeight + 9, 80, 25);
    btnCancel = place<QPushButton>(this, "btnCancel", 398, StepsHeight + 9, 80, 25);
    btnNext->setDefault(true);
    connect(btnBack, &QPushButton::clicked, this, &TWizardForm::btnBackClick);
    connect(btnNext, &QPushButton::clicked, this, &TWizardForm::btnNextClick);
    connect(btnFinish, &QPushButton::clicked, this, &TWizardForm::JvWizard1FinishButtonClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TWizardForm::setupEventPage() {
    QWidget* step = page(this, "WelcomePage");
    RadioGroup1 = place<QGroupBox>(step, "RadioGroup1", 8, 4, 350, 276);
    RadioGroup1->setTitle(QStringLiteral("Eventauswahl "));
    const char* names[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5"};
    for (int i = 0; i < 5; ++i)
        events_[i] = place<WrapRadioButton>(RadioGroup1, names[i], 10, 22 + 50 * i, 330, 44);
    events_[0]->setChecked(true);
    return step;
}

QWidget* TWizardForm::setupOptionsPage() {
    QWidget* step = page(this, "OptionsPage");
    PageControl1 = place<QTabWidget>(step, "PageControl1", 4, 2, 358, 280);
    const std::array<QWidget*, 4> tabs = {setupProcessorTab(), setupNetworkTab(), setupTimeTab(),
                                          setupProgramTab()};
    tabs_ = tabs;
    for (QWidget* tab : tabs_)
        PageControl1->addTab(tab, QString());
    return step;
}

QWidget* TWizardForm::setupProcessorTab() {
    QWidget* tab = page(this, "TabSheet1");
    label(tab, "Label1", 8, 10, QString(), InnerWidth, 30);
    TrackBar1 = trackBar(tab, "TrackBar1", 8, 60, InnerWidth, 100);
    label(tab, "Label2", 8, 88, QStringLiteral("1 %"), 60);
    label(tab, "Label3", 150, 88, QStringLiteral("Skala"), 60)->setAlignment(Qt::AlignHCenter);
    label(tab, "Label4", 286, 88, QStringLiteral("100 %"), 60)->setAlignment(Qt::AlignRight);
    lblCPU = label(tab, "lblCPU", 8, 124, QString());
    connect(TrackBar1, &QSlider::valueChanged, this, &TWizardForm::TrackBar1Change);
    return tab;
}

QWidget* TWizardForm::setupNetworkTab() {
    QWidget* tab = page(this, "TabSheet2");
    label(tab, "Label5", 8, 10, QString(), InnerWidth, 30);
    label(tab, "Label6", 8, 50, QStringLiteral("Zu überwachendes Netzwerkgerät:"));
    cbInterface = place<QComboBox>(tab, "cbInterface", 8, 66, InnerWidth, 21);
    TrackBar2 = trackBar(tab, "TrackBar2", 8, 100, InnerWidth, 10000);
    label(tab, "Label7", 8, 128, QStringLiteral("1 kb/s"), 80);
    label(tab, "Label8", 150, 128, QStringLiteral("Skala"), 60)->setAlignment(Qt::AlignHCenter);
    label(tab, "Label9", 246, 128, QStringLiteral("10000 kb/s"), 100)->setAlignment(Qt::AlignRight);
    lblNet = label(tab, "lblNet", 8, 162, QString());
    connect(TrackBar2, &QSlider::valueChanged, this, &TWizardForm::TrackBar2Change);
    return tab;
}

QWidget* TWizardForm::setupTimeTab() {
    QWidget* tab = page(this, "TabSheet3");
    auto* at = place<QGroupBox>(tab, "GroupBox1", 6, 4, 342, 52);
    at->setTitle(QStringLiteral("Ausführung um "));
    hour_ = makeTimeField(at, "edtHour", "udHour", 12, 20, 23);
    minute_ = makeTimeField(at, "edtMin", "udMin", 76, 20, 59);
    second_ = makeTimeField(at, "edtSec", "udSec", 140, 20, 59);
    label(at, "Label10", 65, 24, QStringLiteral(":"), 8);
    label(at, "Label11", 129, 24, QStringLiteral(":"), 8);
    label(at, "Label12", 198, 24, QStringLiteral("Uhr"), 80);
    setupDaysGroup(tab);
    return tab;
}

void TWizardForm::setupDaysGroup(QWidget* tab) {
    auto* group = place<QGroupBox>(tab, "GroupBox2", 6, 60, 342, 186);
    group->setTitle(QStringLiteral("an folgenden Tagen "));
    rbdaily = captioned<QRadioButton>(group, "rbdaily", 12, 18, QStringLiteral("tägliche Ausführung"));
    rbdaily->resize(200, 19);
    for (int i = 0; i < 7; ++i) {
        days_[i] = captioned<QCheckBox>(group, WeekdayBoxNames[i], 28 + 104 * (i % 3), 40 + 20 * (i / 3),
                                        weekdayBoxCaption(i));
        connect(days_[i], &QCheckBox::clicked, this, &TWizardForm::chk1Click);
    }
    chkAll = captioned<QCheckBox>(group, "chkAll", 132, 80, QStringLiteral("an allen Tagen"));
    chkAll->resize(200, 19);
    connect(chkAll, &QCheckBox::clicked, this, &TWizardForm::chk1Click);
    rbmonthly = captioned<QRadioButton>(group, "rbmonthly", 12, 108, QStringLiteral("monatliche Ausführung"));
    rbmonthly->resize(200, 19);
    label(group, "Label13", 28, 136, QStringLiteral("Tag des Monats:"), 110);
    cbbmonthday = place<QComboBox>(group, "cbbmonthday", 140, 133, 52, 21);
    for (int day = 1; day <= 31; ++day)
        cbbmonthday->addItem(QString::number(day));
    connect(rbdaily, &QRadioButton::clicked, rbmonthly, [this] { rbmonthly->setChecked(false); });
    connect(rbmonthly, &QRadioButton::clicked, rbdaily, [this] { rbdaily->setChecked(false); });
}

QWidget* TWizardForm::setupProgramTab() {
    QWidget* tab = page(this, "TabSheet4");
    auto* source = place<QGroupBox>(tab, "GroupBox3", 6, 4, 342, 104);
    source->setTitle(QStringLiteral("Zu überwachendes Programm / Prozess auswählen "));
    label(source, "Label14", 10, 20, QStringLiteral("Laufendes Programm / Prozess auswählen:"));
    ProcessCombobox = place<QComboBox>(source, "ProcessCombobox", 10, 36, 322, 21);
    ProcessCombobox->installEventFilter(this);
    label(source, "Label15", 10, 72, QStringLiteral("Programm / Prozess von der Festplatte auswählen:"), 232,
          28);
    auto* open = place<QPushButton>(source, "Openbtn", 252, 68, 80, 25);
    open->setText(QStringLiteral("Auswählen"));
    connect(ProcessCombobox, &QComboBox::activated, this, &TWizardForm::ProcessComboboxChange);
    connect(open, &QPushButton::clicked, this, &TWizardForm::OpenbtnClick);
    OpenDialog1 = new FileOpenDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setFilter(QStringLiteral("Programme/Prozesse|*.exe;*.bat;*.com;*.vbs"));
    setupProgramChoice(tab);
    return tab;
}

void TWizardForm::setupProgramChoice(QWidget* tab) {
    auto* box = place<QGroupBox>(tab, "GroupBox4", 6, 112, 342, 138);
    box->setTitle(QStringLiteral("Aktuell überwachtes Programm / Prozess "));
    SelectedProcessEdit = place<QLineEdit>(box, "SelectedProcessEdit", 10, 18, 322, 21);
    SelectedProcessEdit->setReadOnly(true);
    label(box, "Label16", 10, 46, QStringLiteral("Aktuelle Auslastung:"), 110);
    Progressbar1_new = place<QProgressBar>(box, "Progressbar1_new", 122, 44, 210, 18);
    Progressbar1_new->setRange(0, 100);
    Progressbar1_new->setValue(0);
    Progressbar1_new->setFormat(QStringLiteral("%v%"));
    Progressbar1_new->setAlignment(Qt::AlignCenter);
    label(box, "Label17", 10, 68, QString(), 322, 28);
    label(box, "Label18", 10, 102, QString(), 150, 28);
    TrackBar3 = trackBar(box, "TrackBar3", 160, 104, 124, 100);
    PercentEdit = place<QLineEdit>(box, "PercentEdit", 288, 104, 30, 21);
    label(box, "Label19", 321, 107, QStringLiteral("%"), 12);
    connect(TrackBar3, &QSlider::valueChanged, this, &TWizardForm::TrackBar3Change);
    connect(PercentEdit, &QLineEdit::textEdited, this, &TWizardForm::PercentEditChange);
}

QWidget* TWizardForm::setupActionPage() {
    QWidget* step = page(this, "ActionPage");
    label(step, "Label20", 8, 4, QString(), 350, 58);
    label(step, "Label21", 8, 66, QStringLiteral("Aktion, die ausgeführt werden soll:"));
    cbAction = place<QComboBox>(step, "cbAction", 8, 82, 170, 21);
    Label22 = label(step, "Label22", 8, 110, QString(), 350);
    cbPeriod = place<QComboBox>(step, "cbPeriod", 8, 126, 170, 21);
    const char* names[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5"};
    for (int i = 0; i < 5; ++i)
        switches_[i] = place<QCheckBox>(step, names[i], 8, 160 + 24 * i, 350, 19);
    return step;
}

QWidget* TWizardForm::setupSummaryPage() {
    QWidget* step = page(this, "SummaryPage");
    Memo1 = place<QPlainTextEdit>(step, "Memo1", 8, 6, 350, 272);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    return step;
}

} // namespace vespera
