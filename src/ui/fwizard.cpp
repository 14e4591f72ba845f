#include "ui/fwizard.h"

#include "dialogs/IsAllDigits.h"
#include "l10n/DisplayText.h"
#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/StandardMessageBox.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessManager.h"
#include "sensors/fTaskSelect.h"
#include "ui/FileOpenDialog.h"
#include "ui/FormFont.h"
#include "ui/WizardHost.h"
#include "ui/WizardSummary.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace vespera {

namespace {

constexpr int ClientWidth = 487;
constexpr int ClientHeight = 394;
constexpr int SelectedPrefix = 0; // "Aktuell gewählt: "
constexpr int RangeMessage = 26;
constexpr int FirstTabCaption = 28;

// The texts a showing sets by language: the layout's German ones, or English.
struct FrameTexts {
    std::array<const char*, 4> subtitles;
    const char* back;
    const char* next;
    const char* finish;
    const char* cancel;
    const char* period;
};

const FrameTexts GermanFrame = {
    {"Schritt 1: Wählen Sie die Art des Events, der mit dem Programm überwacht werden soll.",
     "Schritt 2: Wählen Sie die Optionen für den gewählten Event aus",
     "Schritt3: Hier stellen Sie ein, welche Aktion nach Erreichen des vorher \r\neingestellten Events "
     "ausgeführt werden soll.",
     "Schritt 4: Zusammenfassung"},
    "< &Zurück",
    "&Weiter >",
    "&Fertig",
    "Abbrechen",
    "Zeitraum, in dem der eingestellte Event erfüllt sein muss:"};

const FrameTexts EnglishFrame = {
    {"Step 1: Choose the type of event that should be monitored with the program.",
     "Step 2: Select the options for the selected event ",
     "Step 3: Set the action which is executed \r\nafter reaching the set Events.", "Step 4: Summary"},
    "< &Back",
    "&Next >",
    "Finished",
    "Cancel",
    "Period in which the chosen event must be met:"};

const FrameTexts& frameTexts(const LanguageDispatcher* dispatcher) {
    return dispatcher && dispatcher->activeLanguage() == 2 ? EnglishFrame : GermanFrame;
}

} // namespace

TWizardForm::TWizardForm(const WizardContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("TWizardForm"));
    setWindowTitle(QStringLiteral("Vespera Einstellungsassistent"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(formFont(11));
    setupFrame();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TWizardForm::Timer1Timer);
    setFixedSize(ClientWidth, ClientHeight);
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TWizardForm")));
    translator_->translateForm(); // the table's German texts, with this system's wordings
    if (context_.dispatcher)
        context_.dispatcher->link(*translator_);
    summary_ = std::make_unique<WizardSummary>(*translator_);
    events_[static_cast<int>(WizardEvent::Program)]->setEnabled(context_.taskSelect &&
                                                                context_.processManager);
}

TWizardForm::~TWizardForm() {
    restoreCursor();
    if (context_.processManager)
        context_.processManager->release(this);
}

int TWizardForm::step() const {
    return JvWizard1->currentIndex();
}

QString TWizardForm::text(int number) const {
    return translator_->lookupText(QStringLiteral("IDS_%1").arg(number));
}

// Centred on the desktop, whichever window opened it.
void TWizardForm::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    FormShow();
}

// Every showing starts at the first step with the main window's values; the kind of event, the five
// switches and the list of running programs keep what they were.
void TWizardForm::FormShow() {
    applyLanguage();
    showStep(0);
    lblTitle->setText(context_.title);
    const WizardStart start = context_.host->wizardStart();
    tickCounter_ = 0;
    watchProgram(start.process);
    if (!waitCursor_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
    Timer1->start();
    TrackBar3->setValue(start.processpercent);
    PercentEdit->setText(QString::number(TrackBar3->value()));
    copyList(cbAction, start.actions.items, start.actions.index);
    copyList(cbPeriod, start.periods.items, start.periods.index);
    copyList(cbInterface, start.interfaces.items, start.interfaces.index);
    TrackBar1->setValue(start.cpuThreshold);
    lblCPU->setText(text(SelectedPrefix) + QString::number(TrackBar1->value()) + QStringLiteral("%"));
    TrackBar2->setValue(start.netThreshold);
    lblNet->setText(text(SelectedPrefix) + QString::number(TrackBar2->value()) + QStringLiteral("kb/s"));
}

// Set at each showing in the active language, so that a later switch back to German shows German too.
void TWizardForm::applyLanguage() {
    const FrameTexts& texts = frameTexts(context_.dispatcher);
    btnBack->setText(QString::fromUtf8(texts.back));
    btnNext->setText(QString::fromUtf8(texts.next));
    btnFinish->setText(QString::fromUtf8(texts.finish));
    btnCancel->setText(QString::fromUtf8(texts.cancel));
    Label22->setText(QString::fromUtf8(texts.period));
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
        PageControl1->setTabText(i, text(FirstTabCaption + i));
}

void TWizardForm::copyList(QComboBox* list, const QStringList& items, int index) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(index < list->count() ? index : -1);
}

void TWizardForm::showStep(int step) {
    JvWizard1->setCurrentIndex(step);
    lblSubtitle->setText(displayText(QString::fromUtf8(frameTexts(context_.dispatcher).subtitles.at(step))));
    btnBack->setEnabled(step > 0);
    btnNext->setVisible(step < 3);
    btnFinish->setVisible(step == 3);
    (step < 3 ? btnNext : btnFinish)->setDefault(true);
}

void TWizardForm::btnNextClick() {
    const int from = step();
    if (from == 0)
        leaveEventPage();
    if (from == 2)
        Memo1->setPlainText(displayText(summary_->summary(choice(), switchCaptions())));
    showStep(std::min(from + 1, 3));
}

void TWizardForm::btnBackClick() {
    showStep(std::max(step() - 1, 0));
}

// Only the tab of the chosen kind shows; the mouse-and-keyboard kind has none. The time tab is loaded
// afresh, so changes made to it before going back are lost.
void TWizardForm::leaveEventPage() {
    const int kind = static_cast<int>(chosenEvent());
    for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
        PageControl1->setTabVisible(i, i == kind);
    if (kind < static_cast<int>(tabs_.size()))
        PageControl1->setCurrentIndex(kind);
    loadTimeTab();
}

void TWizardForm::loadTimeTab() {
    const WizardSchedule at = context_.host->wizardStart().schedule;
    rbdaily->setChecked(at.daily);
    rbmonthly->setChecked(!at.daily);
    hour_.upDown->setValue(at.hour);
    hour_.edit->setText(QString::number(at.hour));
    minute_.upDown->setValue(at.minute);
    minute_.edit->setText(QString::number(at.minute));
    second_.upDown->setValue(at.second);
    second_.edit->setText(QString::number(at.second));
    cbbmonthday->setCurrentIndex(std::clamp(at.dayOfMonth, 1, 31) - 1);
    for (int day = 0; day < 7; ++day)
        days_[day]->setChecked(at.days[day]);
    chk1Click();
}

void TWizardForm::JvWizard1FinishButtonClick() {
    context_.host->applyWizard(choice());
    accept();
}

// A closed wizard costs nothing: its timer stops, the process manager no longer samples for it and the
// hourglass goes.
void TWizardForm::done(int result) {
    Timer1->stop();
    restoreCursor();
    if (context_.processManager)
        context_.processManager->release(this);
    QDialog::done(result);
}

void TWizardForm::restoreCursor() {
    if (waitCursor_)
        QApplication::restoreOverrideCursor();
    waitCursor_ = false;
}

// The list of running programs is built once per showing, on the first tick; the gauge follows the
// selected program.
void TWizardForm::Timer1Timer() {
    if (tickCounter_ == 0 && context_.taskSelect) {
        context_.taskSelect->GetTasks();
        copyList(ProcessCombobox, context_.taskSelect->tasks(), -1);
    }
    tickCounter_ = 1;
    restoreCursor();
    if (!SelectedProcessEdit->text().isEmpty() && context_.processManager)
        Progressbar1_new->setValue(
            std::clamp(GetProcessLoad(*context_.processManager, SelectedProcessEdit->text()), 0, 100));
}

void TWizardForm::watchProgram(const QString& path) {
    SelectedProcessEdit->setText(path);
    Progressbar1_new->setValue(0);
    if (!context_.processManager)
        return;
    if (path.isEmpty())
        context_.processManager->release(this);
    else
        context_.processManager->need(this, path);
}

void TWizardForm::TrackBar1Change() {
    lblCPU->setText(text(SelectedPrefix) + QString::number(TrackBar1->value()) + QStringLiteral("%"));
}

void TWizardForm::TrackBar2Change() {
    lblNet->setText(text(SelectedPrefix) + QString::number(TrackBar2->value()) + QStringLiteral(" kb/s"));
}

// "an allen Tagen" only shows whether all seven days are ticked; a click on it is undone at once.
void TWizardForm::chk1Click() {
    chkAll->setChecked(
        std::all_of(days_.begin(), days_.end(), [](const QCheckBox* day) { return day->isChecked(); }));
}

// An entry of a program window names its program after " -> "; the program's full path is taken, as
// the task selection dialog does, so the watch looks for a program that exists.
void TWizardForm::ProcessComboboxChange() {
    const QString entry = ProcessCombobox->currentText();
    const QString path = context_.taskSelect ? context_.taskSelect->entryPath(entry) : entry;
    if (!path.isEmpty())
        watchProgram(path);
}

void TWizardForm::OpenbtnClick() {
    const QString path = OpenDialog1->execute(this);
    if (!path.isEmpty())
        watchProgram(path);
}

void TWizardForm::TrackBar3Change() {
    PercentEdit->setText(QString::number(TrackBar3->value()));
}

// The slider keeps to 1..100: 0 moves it to 1, and the field shows the 1.
void TWizardForm::PercentEditChange() {
    const QString typed = PercentEdit->text();
    bool number = false;
    const int value = typed.toInt(&number);
    if (IsAllDigits(typed) && number && value <= 100) {
        TrackBar3->setValue(value);
        if (value < TrackBar3->minimum())
            PercentEdit->setText(QString::number(TrackBar3->value()));
        return;
    }
    if (context_.messageBoxes)
        context_.messageBoxes->show(this, QMessageBox::Critical, text(RangeMessage));
    PercentEdit->setText(QString::number(TrackBar3->value()));
}

bool TWizardForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ProcessCombobox && event->type() == QEvent::FocusOut &&
        !ProcessCombobox->currentText().isEmpty())
        ProcessComboboxChange();
    return QDialog::eventFilter(watched, event);
}

WizardEvent TWizardForm::chosenEvent() const {
    for (int i = 0; i < static_cast<int>(events_.size()); ++i)
        if (events_[i]->isChecked())
            return static_cast<WizardEvent>(i);
    return WizardEvent::Processor;
}

WizardSchedule TWizardForm::schedule() const {
    WizardSchedule at;
    at.daily = rbdaily->isChecked();
    at.hour = hour_.edit->text().toInt();
    at.minute = minute_.edit->text().toInt();
    at.second = second_.edit->text().toInt();
    at.dayOfMonth = cbbmonthday->currentIndex() + 1;
    for (int day = 0; day < 7; ++day)
        at.days[day] = days_[day]->isChecked();
    return at;
}

WizardChoice TWizardForm::choice() const {
    WizardChoice c;
    c.event = chosenEvent();
    c.cpuThreshold = TrackBar1->value();
    c.netThreshold = TrackBar2->value();
    c.interfaceIndex = cbInterface->currentIndex();
    c.interfaceText = cbInterface->currentText();
    c.schedule = schedule();
    c.process = SelectedProcessEdit->text();
    c.processpercent = TrackBar3->value();
    c.periodIndex = cbPeriod->currentIndex();
    c.periodText = cbPeriod->currentText();
    c.actionIndex = cbAction->currentIndex();
    c.actionText = cbAction->currentText();
    for (int i = 0; i < static_cast<int>(switches_.size()); ++i)
        c.switches[i] = switches_[i]->isChecked();
    return c;
}

QStringList TWizardForm::switchCaptions() const {
    QStringList captions;
    for (const QCheckBox* box : switches_)
        captions << box->text();
    return captions;
}

} // namespace vespera
