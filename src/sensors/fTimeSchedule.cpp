// The schedule dialog. Positions and sizes are in pixels at 96 dpi; Qt's device-independent pixels scale
// them with the screen.
#include "sensors/fTimeSchedule.h"
#include "ui/FormFont.h"
#include "ui/WidgetPlacement.h"
#include "ui/WeekdayBoxes.h"

#include "l10n/FormTranslator.h"
#include "l10n/LanguageDispatcher.h"
#include "l10n/TranslationResources.h"
#include "l10n/WidgetTranslationTarget.h"
#include "sensors/LocalClock.h"
#include "sensors/ScheduleRule.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>

namespace vespera {

namespace {

constexpr int ClientWidth = 321;
constexpr int ClientHeight = 283;

// A check box, radio button or label with its caption; the width holds it in either language.
template <typename W>
W* captioned(QWidget* parent, const char* name, int x, int y, const QString& caption, int width = 98) {
    auto* widget = place<W>(parent, name, x, y, width, 19);
    widget->setText(caption);
    return widget;
}

} // namespace

TSchedForm::TSchedForm(Settings& settings, const LocalClock& clock, LanguageDispatcher& dispatcher,
                       std::function<void()> saveToIni, QWidget* parent)
    : QDialog(parent), settings_(settings), clock_(clock), saveToIni_(std::move(saveToIni)) {
    setObjectName(QStringLiteral("TSchedForm"));
    setWindowTitle(QStringLiteral("Zeitplaner"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(formFont(11));
    rbdaily = captioned<QRadioButton>(this, "rbdaily", 12, 8, QStringLiteral("tägliche Ausführung"), 150);
    rbmonthly =
        captioned<QRadioButton>(this, "rbmonthly", 166, 8, QStringLiteral("monatliche Ausführung"), 150);
    setupTimeGroup();
    setupDaysGroup();
    setupButtons();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TSchedForm::Timer1Timer);
    setFixedSize(ClientWidth, ClientHeight);
    translator_ = createFormTranslator(*this, shippedTranslationTable(QStringLiteral("TSchedForm")));
    dispatcher.link(*translator_);
}

TSchedForm::~TSchedForm() = default;

void TSchedForm::setupTimeGroup() {
    auto* group = place<QGroupBox>(this, "GroupBox1", 8, 32, 305, 54);
    group->setTitle(QStringLiteral("Ausführung um "));
    hour_ = makeTimeField(group, "edtHour", "udHour", 12, 21, 23);
    minute_ = makeTimeField(group, "edtMin", "udMin", 76, 21, 59);
    second_ = makeTimeField(group, "edtSec", "udSec", 140, 21, 59);
    for (const int x : {65, 129})
        place<QLabel>(group, "", x, 24, 8, 15)->setText(QStringLiteral(":"));
}

// A stored value out of range shows as it is; the up-down starts from the nearest value within it.
void TSchedForm::showTime(TimeField field, int value) {
    field.upDown->setValue(value);
    field.edit->setText(QString::number(value));
}

void TSchedForm::setupDaysGroup() {
    auto* group = place<QGroupBox>(this, "GroupBox2", 8, 94, 305, 124);
    group->setTitle(QStringLiteral("an folgenden Tagen "));
    for (int i = 0; i < 7; ++i) {
        days_[i] = captioned<QCheckBox>(group, WeekdayBoxNames[i], 12 + 98 * (i % 3), 20 + 22 * (i / 3),
                                        weekdayBoxCaption(i));
        connect(days_[i], &QCheckBox::toggled, this, &TSchedForm::chk1Click);
    }
    chkAll = captioned<QCheckBox>(group, "chkAll", 110, 64, QStringLiteral("an allen Tagen"), 150);
    connect(chkAll, &QCheckBox::toggled, this, &TSchedForm::chkAllClick);
    captioned<QLabel>(group, "Label1", 12, 95, QStringLiteral("Tag des Monats:"));
    cbbmonthday = place<QComboBox>(group, "cbbmonthday", 110, 93, 50, 21);
    for (int day = 1; day <= 31; ++day)
        cbbmonthday->addItem(QString::number(day));
}

void TSchedForm::setupButtons() {
    Timelabel = place<QLabel>(this, "Timelabel", 12, 226, 297, 17);
    auto* ok = place<QPushButton>(this, "btnOK", 8, 250, 160, 25);
    ok->setText(QStringLiteral("Einstellungen speichern"));
    ok->setDefault(true);
    auto* cancel = place<QPushButton>(this, "btnCancel", 213, 250, 100, 25);
    cancel->setText(QStringLiteral("Abbrechen"));
    connect(ok, &QPushButton::clicked, this, &TSchedForm::btnOKClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSchedForm::showEvent(QShowEvent* event) {
    FormShow();
    FormActivate();
    QDialog::showEvent(event);
}

void TSchedForm::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

// The controls take the settings. The days are set with the weekday logic held, so a box left checked by
// a cancelled edit cannot turn an empty choice into every day; "an allen Tagen" follows them afterwards.
void TSchedForm::FormShow() {
    (settings_.submethod == QLatin1String("sub1") ? rbdaily : rbmonthly)->setChecked(true);
    showTime(hour_, settings_.Stunde);
    showTime(minute_, settings_.Minute);
    showTime(second_, settings_.Sekunde);
    // A day outside 1..31 (a hand-edited file) selects nothing, as it never matches.
    const int day = settings_.DayofMonth;
    cbbmonthday->setCurrentIndex(day >= 1 && day <= 31 ? day - 1 : -1);
    suppressWeekdays_ = true;
    for (int i = 0; i < 7; ++i)
        days_[i]->setChecked(settings_.*Weekdays[i]);
    suppressWeekdays_ = false;
    chkAll->setChecked(everyDayChecked());
}

void TSchedForm::FormActivate() {
    suppressWeekdays_ = false;
    Timer1Timer();
    Timer1->start();
}

void TSchedForm::Timer1Timer() {
    const QLocale locale = QLocale::system();
    Timelabel->setText(translator_->lookupText(QStringLiteral("IDS_0")) +
                       locale.toString(clock_.now(), locale.timeFormat(QLocale::LongFormat)));
}

// The last checked day cannot be unchecked by hand: unchecking it checks every day.
void TSchedForm::chk1Click() {
    if (suppressWeekdays_)
        return;
    chkAll->setChecked(everyDayChecked());
    if (std::none_of(days_.begin(), days_.end(), [](const QCheckBox* day) { return day->isChecked(); })) {
        for (QCheckBox* day : days_)
            day->setChecked(true);
        chkAll->setChecked(true);
    }
}

// Checking "an allen Tagen" checks every day; unchecking it leaves the days as they are.
void TSchedForm::chkAllClick() {
    suppressWeekdays_ = true;
    if (chkAll->isChecked())
        for (QCheckBox* day : days_)
            day->setChecked(true);
    suppressWeekdays_ = false;
}

bool TSchedForm::everyDayChecked() const {
    return std::all_of(days_.begin(), days_.end(), [](const QCheckBox* day) { return day->isChecked(); });
}

void TSchedForm::btnOKClick() {
    settings_.submethod = rbdaily->isChecked() ? QStringLiteral("sub1") : QStringLiteral("sub2");
    settings_.Stunde = hour_.edit->text().toInt();
    settings_.Minute = minute_.edit->text().toInt();
    settings_.Sekunde = second_.edit->text().toInt();
    settings_.DayofMonth = cbbmonthday->currentIndex() + 1;
    for (int i = 0; i < 7; ++i)
        settings_.*Weekdays[i] = days_[i]->isChecked();
    saveToIni_();
    accept();
}

} // namespace vespera
