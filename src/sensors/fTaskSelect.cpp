#include "sensors/fTaskSelect.h"
#include "ui/FormFont.h"
#include "ui/WidgetPlacement.h"

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessManager.h"
#include "sensors/ProcessNames.h"
#include "sensors/ProcessPaths.h"
#include "sensors/WindowList.h"
#include "ui/FileOpenDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace vespera {

namespace {

constexpr int ClientWidth = 480;
constexpr int ClientHeight = 330;

QLabel* label(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text) {
    auto* l = place<QLabel>(parent, name, x, y, w, h);
    l->setText(text);
    return l;
}

bool allDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

TTaskSelectForm::TTaskSelectForm(const TaskSelectContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("TTaskSelectForm"));
    setWindowTitle(QStringLiteral("Prozess auswählen"));
    setFont(formFont(11));
    setupSourceGroup();
    setupChoiceGroup();
    setupButtons();
    OpenDialog1 = new FileOpenDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setFilter(QStringLiteral("Programme/Prozesse|*.exe;*.bat;*.com;*.vbs"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TTaskSelectForm::Timer1Timer);
    setFixedSize(ClientWidth, ClientHeight);
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TTaskSelectForm")));
    translator_->translateForm(); // the table's German texts, with this system's file filter
    if (context_.dispatcher)
        context_.dispatcher->link(*translator_);
}

TTaskSelectForm::~TTaskSelectForm() {
    restoreCursor();
    if (context_.manager)
        context_.manager->release(this);
}

void TTaskSelectForm::setupSourceGroup() {
    auto* box = place<QGroupBox>(this, "GroupBox1", 8, 8, 464, 118);
    box->setTitle(QStringLiteral("Zu überwachendes Programm / Prozess auswählen "));
    RBProgram = place<QRadioButton>(box, "RBProgram", 12, 20, 200, 19);
    RBProgram->setText(QStringLiteral("Laufende Programme"));
    RBProgram->setChecked(true);
    RBProcess = place<QRadioButton>(box, "RBProcess", 230, 20, 200, 19);
    RBProcess->setText(QStringLiteral("Laufende Prozesse"));
    ProcessCombobox = place<QComboBox>(box, "ProcessCombobox", 12, 44, 440, 22);
    ProcessCombobox->setToolTip(
        QStringLiteral("Hier erhalten Sie Auflistung aller \r\nlaufenden Prozesse und Programme!"));
    ProcessCombobox->installEventFilter(this);
    label(box, "Label1", 12, 82, 300, 17, QStringLiteral("Programm / Prozess von der Festplatte auswählen:"));
    auto* open = place<QPushButton>(box, "Openbtn", 352, 78, 100, 25);
    open->setText(QStringLiteral("Auswählen"));
    connect(RBProgram, &QRadioButton::clicked, this, &TTaskSelectForm::RBProgramClick);
    connect(RBProcess, &QRadioButton::clicked, this, &TTaskSelectForm::RBProcessClick);
    connect(ProcessCombobox, &QComboBox::activated, this, &TTaskSelectForm::ProcessComboboxChange);
    connect(open, &QPushButton::clicked, this, &TTaskSelectForm::OpenbtnClick);
}

void TTaskSelectForm::setupChoiceGroup() {
    auto* box = place<QGroupBox>(this, "GroupBox2", 8, 132, 464, 152);
    box->setTitle(QStringLiteral("Aktuell überwachtes Programm / Prozess "));
    SelectedProcessEdit = place<QLineEdit>(box, "SelectedProcessEdit", 12, 20, 440, 21);
    SelectedProcessEdit->setReadOnly(true);
    SelectedProcessEdit->setToolTip(QStringLiteral("Das aktuelle überwachte Programm/Prozess"));
    Progressbar1_new = place<QProgressBar>(box, "Progressbar1_new", 12, 48, 440, 20);
    Progressbar1_new->setRange(0, 100);
    Progressbar1_new->setValue(0);
    Progressbar1_new->setFormat(QStringLiteral("%v%"));
    Progressbar1_new->setAlignment(Qt::AlignCenter);
    Progressbar1_new->setToolTip(
        QStringLiteral("Die aktuelle Prozessorauslastung \r\ndes nebenstehenden Prozesses!"));
    TrackBar1 = place<QSlider>(box, "TrackBar1", 10, 76, 380, 25);
    TrackBar1->setOrientation(Qt::Horizontal);
    TrackBar1->setRange(1, 100);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(5);
    TrackBar1->setValue(1);
    PercentEdit = place<QLineEdit>(box, "PercentEdit", 398, 78, 36, 21);
    PercentEdit->setText(QStringLiteral("1"));
    label(box, "Label2", 438, 81, 14, 17, QStringLiteral("%"));
    auto* explanation = label(box, "Label3", 12, 108, 440, 36,
                              QStringLiteral("Der Event wird ausgelöst, wenn das zu überwachende Programm "
                                             "weniger als die unten\r\neingestellte Prozessorauslastung "
                                             "für den gewählten Zeitraum erfüllt."));
    explanation->setWordWrap(true);
    connect(TrackBar1, &QSlider::valueChanged, this, &TTaskSelectForm::TrackBar1Change);
    connect(PercentEdit, &QLineEdit::textChanged, this, &TTaskSelectForm::PercentEditChange);
}

void TTaskSelectForm::setupButtons() {
    auto* ok = place<QPushButton>(this, "OKbtn", 214, 294, 160, 27);
    ok->setText(QStringLiteral("Einstellungen speichern"));
    ok->setDefault(true);
    auto* cancel = place<QPushButton>(this, "Cancelbtn", 382, 294, 90, 27);
    cancel->setText(QStringLiteral("Abbrechen"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TTaskSelectForm::setChoice(const QString& process, int processpercent) {
    process_ = process;
    processpercent_ = processpercent;
}

QString TTaskSelectForm::process() const {
    return SelectedProcessEdit->text();
}

int TTaskSelectForm::processpercent() const {
    return PercentEdit->text().toInt();
}

void TTaskSelectForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TTaskSelectForm::FormShow() {
    if (RBProgram->isChecked())
        programsMode_ = true;
    refreshCounter_ = 0;
    selectPath(process_);
    if (!waitCursor_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    Timer1->start();
    TrackBar1->setValue(processpercent_);
    PercentEdit->setText(QString::number(processpercent_));
}

void TTaskSelectForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TTaskSelectForm::FormClose() {
    Timer1->stop();
    restoreCursor();
    if (context_.manager)
        context_.manager->release(this);
}

void TTaskSelectForm::restoreCursor() {
    if (waitCursor_)
        QApplication::restoreOverrideCursor();
    waitCursor_ = false;
}

// The list is built once per showing, on the first tick; the gauge follows the chosen program.
void TTaskSelectForm::Timer1Timer() {
    if (refreshCounter_ == 0) {
        GetTasks();
        refreshCounter_ = 1;
    }
    restoreCursor();
    if (!SelectedProcessEdit->text().isEmpty() && context_.manager)
        Progressbar1_new->setValue(
            std::min(GetProcessLoad(*context_.manager, SelectedProcessEdit->text()), 100));
}

void TTaskSelectForm::GetTasks() {
    QStringList list;
    try {
        if (programsMode_)
            ListProgramWindows(list, *context_.windows, *context_.processes);
        else
            ListProcessPaths(*context_.processes, list);
    } catch (const std::exception&) {
        // the list holds what was built
    }
    const QSignalBlocker quiet(ProcessCombobox);
    const int remembered = ProcessCombobox->currentIndex();
    ProcessCombobox->clear();
    RemoveDuplicates(list);
    ProcessCombobox->addItems(list);
    const int index = remembered <= 0 ? 1 : remembered;
    ProcessCombobox->setCurrentIndex(index < ProcessCombobox->count() ? index : -1);
}

void TTaskSelectForm::RemoveDuplicates(QStringList& list) {
    std::stable_sort(list.begin(), list.end(),
                     [](const QString& a, const QString& b) { return asciiLower(a) < asciiLower(b); });
    const auto end = std::unique(list.begin(), list.end(), sameIgnoringAsciiCase);
    list.erase(end, list.end());
}

QStringList TTaskSelectForm::tasks() const {
    QStringList entries;
    for (int i = 0; i < ProcessCombobox->count(); ++i)
        entries << ProcessCombobox->itemText(i);
    return entries;
}

// A process entry is the path itself; a program entry names its program after the last "->" (a
// caption may hold one too), and the running process whose path holds it gives the full path.
QString TTaskSelectForm::entryPath(const QString& entry) const {
    const qsizetype arrow = entry.lastIndexOf(QStringLiteral("->"));
    if (arrow < 0)
        return entry;
    const QString program = entry.mid(arrow + 2).trimmed();
    if (program.isEmpty())
        return QString();
    QStringList paths;
    ListProcessPaths(*context_.processes, paths);
    QString found;
    for (const QString& path : std::as_const(paths))
        if (path.contains(program))
            found = path;
    return found;
}

void TTaskSelectForm::ProcessComboboxChange() {
    const QString entry = ProcessCombobox->currentText();
    const QString path = entryPath(entry);
    if (!path.isEmpty() || !entry.contains(QStringLiteral("->")))
        selectPath(path);
}

void TTaskSelectForm::selectPath(const QString& path) {
    SelectedProcessEdit->setText(path);
    Progressbar1_new->setValue(0);
    if (!context_.manager || !isVisible())
        return;
    if (path.isEmpty())
        context_.manager->release(this);
    else
        context_.manager->need(this, path);
}

void TTaskSelectForm::OpenbtnClick() {
    const QString path = OpenDialog1->execute(this);
    if (!path.isEmpty())
        selectPath(path);
}

void TTaskSelectForm::RBProgramClick() {
    programsMode_ = RBProgram->isChecked();
    RBProcess->setChecked(false);
    GetTasks();
}

void TTaskSelectForm::RBProcessClick() {
    programsMode_ = !RBProcess->isChecked();
    RBProgram->setChecked(false);
    GetTasks();
}

void TTaskSelectForm::TrackBar1Change() {
    PercentEdit->setText(QString::number(TrackBar1->value()));
}

// The slider keeps to 1..100: 0 moves it to 1, and its change writes "1" back.
void TTaskSelectForm::PercentEditChange() {
    const QString text = PercentEdit->text().trimmed();
    bool number = false;
    const int value = text.toInt(&number);
    if (allDigits(text) && number && value <= 100) {
        TrackBar1->setValue(value);
        if (value < TrackBar1->minimum())
            PercentEdit->setText(QString::number(TrackBar1->value()));
        return;
    }
    if (context_.messageBoxes)
        context_.messageBoxes->show(this, QMessageBox::Critical,
                                    translator_->lookupText(QStringLiteral("IDS_0")));
    PercentEdit->setText(QString::number(TrackBar1->value()));
}

bool TTaskSelectForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ProcessCombobox && event->type() == QEvent::MouseButtonDblClick)
        GetTasks();
    return QDialog::eventFilter(watched, event);
}

} // namespace vespera
