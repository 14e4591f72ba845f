// The main window's sampling timers and the controls that show or copy the sensors' values.
#include "ui/TMainForm.h"

#include "sensors/CpuLoadSampling.h"
#include "sensors/NetworkMeter.h"
#include "ui/CachedGauge.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace vespera {

// One timer samples the processor and then the network, waking the program once for both. It keeps
// running through its handler: nothing in it lets the event loop run, so it cannot re-enter, and
// restarting a timer every second costs more than the sample. A hidden window's gauges wait: showing it
// brings them up to date (showGauges).
void TMainForm::Timer1Timer() {
    const int load = context_.cpuSampling->SampleCpuLoad(state_, settings_);
    if (isVisible())
        Progressbar1_new->showValue(load);
    if (!CheckBox2->isChecked())
        statusText_->clear();
    sampleNetwork();
}

void TMainForm::sampleNetwork() {
    try {
        context_.networkMeter->RefreshInterfaces(false);
        state_.netLoad = context_.networkMeter->NetLoad();
        if (isVisible())
            showNetworkScale();
    } catch (const std::exception&) {
        // a failed measurement keeps the last value
    }
}

void TMainForm::showGauges() {
    Progressbar1_new->setValue(std::clamp(state_.cpuLoad, 0, 100));
    showNetworkScale();
}

void TMainForm::showNetworkScale() {
    const NetworkScale& scale = context_.networkMeter->scale();
    if (Label4->text() != scale.label()) {
        Label4->setText(scale.label());
        fitCaption(*Label4);
    }
    ProgressBar2_new->setMaximum(scale.gaugeMaximum());
    ProgressBar2_new->showValue(scale.gaugeValue());
    ProgressBar2_new->setFormat(scale.gaugeText());
    if (scale.sliderMaximum() != TrackBar2->maximum()) {
        const QSignalBlocker block(TrackBar2);
        TrackBar2->setMaximum(scale.sliderMaximum());
    }
    if (const auto every = scale.tickFrequency(); every && *every != TrackBar2->tickInterval())
        TrackBar2->setTickInterval(*every); // repaints the slider even when the interval stays
}

void TMainForm::ComboBox2Change() {
    context_.networkMeter->setNetworkCard(ComboBox2->currentIndex());
    SaveToIni();
}

// The box, the slider, the threshold in use and the saved value agree afterwards, also when the slider
// already stood at the value (a threshold of 0 shows as the slider's 1).
void TMainForm::Button3Click() {
    {
        const QSignalBlocker block(TrackBar2);
        TrackBar2->setValue(context_.networkMeter->scale().thresholdFromGauge());
    }
    TrackBar2Change();
}

QString TMainForm::unmeasuredReason(StateCondition condition) {
    switch (condition) {
    case StateCondition::Processor:
        return context_.cpuSampling->measuring() ? QString() : text("IDS_903");
    case StateCondition::Network:
        return context_.networkMeter->measuring() ? QString() : text("IDS_904");
    case StateCondition::Process:
        return processReason();
    case StateCondition::Input:
        return inputUnmeasuredReason();
    }
    return QString();
}

void TMainForm::selectProcessorMethod(int method) {
    settings_.processormethod = method;
    averageMethodAction_->setChecked(method == 0);
    highestMethodAction_->setChecked(method != 0);
    SaveSettings();
}

void TMainForm::toggleDamping() {
    settings_.Daempfung = dampingAction_->isChecked();
    SaveSettings();
}

} // namespace vespera
