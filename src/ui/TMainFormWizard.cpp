// The main window's side of the settings wizard: what the wizard starts from, and its choice applied
// through the window's own controls and handlers, as if the user had set them.
#include "ui/TMainForm.h"

#include "sensors/NetworkMeter.h"
#include "sensors/ScheduleRule.h"
#include "ui/LinkLabel.h"
#include "ui/WizardSummary.h"
#include "ui/fwizard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace vespera {

namespace {

WizardList listOf(const QComboBox* box) {
    WizardList list;
    for (int i = 0; i < box->count(); ++i)
        list.items << box->itemText(i);
    list.index = box->currentIndex();
    return list;
}

} // namespace

void TMainForm::setupWizard() {
    connect(findChild<QAction*>(QStringLiteral("Assistent1")), &QAction::triggered, this,
            &TMainForm::openWizard);
    connect(Label9, &LinkLabel::clicked, this, &TMainForm::openWizard);
}

TWizardForm& TMainForm::wizardForm() {
    if (!wizard_) {
        WizardHost* host = this;
        wizard_ = new TWizardForm({host, context_.productTitle + QStringLiteral(" V") + context_.versionText,
                                   taskSelectForm(), context_.processManager, context_.dispatcher,
                                   context_.messageBoxes},
                                  this);
    }
    return *wizard_;
}

void TMainForm::openWizard() {
    wizardForm().exec();
}

WizardStart TMainForm::wizardStart() const {
    WizardStart start;
    start.cpuThreshold = Trackbar1->value();
    start.netThreshold = TrackBar2->value();
    start.process = settings_.process;
    start.processpercent = settings_.processpercent;
    WizardSchedule& at = start.schedule;
    at.daily = settings_.submethod == QLatin1String("sub1");
    at.hour = settings_.Stunde;
    at.minute = settings_.Minute;
    at.second = settings_.Sekunde;
    at.dayOfMonth = settings_.DayofMonth;
    for (int day = 0; day < 7; ++day)
        at.days[day] = settings_.*Weekdays[day];
    start.actions = listOf(ComboBox3);
    start.periods = listOf(ComboBox1);
    start.interfaces = listOf(ComboBox2);
    return start;
}

// The wizard adds its condition to those already on: it never unticks one.
void TMainForm::tickCondition(QCheckBox* box) {
    if (!box->isChecked())
        box->setChecked(true);
}

void TMainForm::applyWizard(const WizardChoice& choice) {
    applyWizardEvent(choice);
    {
        const QSignalBlocker quiet(ComboBox1);
        ComboBox1->setCurrentIndex(choice.periodIndex);
    }
    ComboBox1Change();
    state_.idleSeconds = 0;
    {
        const QSignalBlocker quiet(ComboBox3);
        ComboBox3->setCurrentIndex(choice.actionIndex);
    }
    ComboBox3Change();
    {
        const QSignalBlocker quiet(CheckBox2);
        CheckBox2->setChecked(choice.switches[ArmNow]);
    }
    CheckBox2Click();
    Enabelafterrestartchk1->setChecked(choice.switches[RearmAfterResume]);
    // Each toggle turns its setting over; starting from the opposite state brings it to the chosen one
    // and writes the autostart entry either way.
    settings_.startwithwindows = !choice.switches[StartWithSystem];
    toggleAutostart();
    settings_.startminimized = !choice.switches[StartMinimized];
    toggleStartMinimized();
    FullScreenchk->setChecked(choice.switches[FullScreenCountdown]);
    SaveSettings();
}

void TMainForm::applyWizardEvent(const WizardChoice& choice) {
    switch (choice.event) {
    case WizardEvent::Processor:
        tickCondition(ProzCheckBox);
        {
            const QSignalBlocker quiet(Trackbar1);
            Trackbar1->setValue(choice.cpuThreshold);
        }
        Trackbar1Change();
        break;
    case WizardEvent::Network:
        applyWizardNetwork(choice);
        break;
    case WizardEvent::Time:
        tickCondition(TimeCheckBox);
        applyWizardSchedule(choice.schedule);
        break;
    case WizardEvent::Program:
        settings_.process = choice.process;
        settings_.processpercent = choice.processpercent;
        tickCondition(ProcCheckBox);
        watchProcess();
        break;
    case WizardEvent::Input:
        tickCondition(KMCheckBox);
        break;
    }
}

// The scale restarts from the new threshold, so that the next network sample, which sets the slider's
// range from the scale, never pulls a threshold above 100 kb/s down to the old range.
void TMainForm::applyWizardNetwork(const WizardChoice& choice) {
    tickCondition(NetCheckBox);
    const int maximum = WizardSummary::netScaleMaximum(choice.netThreshold);
    {
        const QSignalBlocker quiet(TrackBar2);
        TrackBar2->setMaximum(maximum);
    }
    Label4->setText(QString::number(maximum) + QStringLiteral(" kb/s"));
    fitCaption(*Label4);
    {
        const QSignalBlocker quiet(TrackBar2);
        TrackBar2->setValue(choice.netThreshold);
    }
    TrackBar2Change();
    context_.networkMeter->startScale(choice.netThreshold);
    if (choice.interfaceIndex >= 0)
        ComboBox2->setCurrentIndex(choice.interfaceIndex);
}

void TMainForm::applyWizardSchedule(const WizardSchedule& at) {
    settings_.submethod = at.daily ? QStringLiteral("sub1") : QStringLiteral("sub2");
    settings_.Stunde = at.hour;
    settings_.Minute = at.minute;
    settings_.Sekunde = at.second;
    settings_.DayofMonth = at.dayOfMonth;
    for (int day = 0; day < 7; ++day)
        settings_.*Weekdays[day] = at.days[day];
    schedule_.restart();
}

} // namespace vespera
