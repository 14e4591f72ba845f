// Between the settings file and the main window's state and controls.
#include "ui/TMainForm.h"

#include "l10n/LanguageDispatcher.h"
#include "settings/SettingsStore.h"
#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

namespace vespera {

void TMainForm::LoadSettings() {
    settings_ = context_.store->load(context_.dispatcher->activeLanguage());
    const Settings& s = settings_;
    state_.cpuThreshold = s.proz_taskbar;
    state_.netThreshold = s.net_taskbar;
    state_.actionName = s.type;
    state_.customSeconds = validCustomSeconds(s.customtime);
    state_.periodIndex = periodIndexForSeconds(s.time);
    state_.periodSeconds = periodSecondsForIndex(state_.periodIndex, state_.customSeconds);
    commandAction_->setChecked(s.fexeafter);
    state_.conditions = {s.fproz, s.Fnet, s.ftime, s.Fprocess, s.Fkey};
    applyConditionFlags();
    state_.fullScreenCountdown = s.FullscreenCountdown;
    FullScreenchk->setChecked(s.FullscreenCountdown);
    dampingAction_->setChecked(s.Daempfung);
    keepAwakeAction_->setChecked(s.KeepAwake);
    warnAheadAction_->setChecked(s.WarnAhead);
    preWarning_.setEnabled(s.WarnAhead);
    germanAction_->setChecked(s.Language != 2);
    englishAction_->setChecked(s.Language == 2);
    highestMethodAction_->setChecked(s.processormethod != 0);
    averageMethodAction_->setChecked(s.processormethod == 0);
    if (!state_.conditions.any()) {
        state_.conditions.processor = true;
        applyConditionFlags();
    }
}

// The five condition boxes in the order the file lists their flags; their handler sees the loading state.
// The watch then takes the boxes as they ended up: a refused process condition stays off.
void TMainForm::applyConditionFlags() {
    const Conditions c = state_.conditions;
    ProcCheckBox->setChecked(c.process);
    ProzCheckBox->setChecked(c.processor);
    KMCheckBox->setChecked(c.input);
    NetCheckBox->setChecked(c.network);
    TimeCheckBox->setChecked(c.time);
    state_.conditions = conditionBoxes();
}

Conditions TMainForm::conditionBoxes() const {
    return {ProzCheckBox->isChecked(), NetCheckBox->isChecked(), TimeCheckBox->isChecked(),
            ProcCheckBox->isChecked(), KMCheckBox->isChecked()};
}

Settings TMainForm::collectSettings() const {
    Settings s = settings_;
    s.proz_taskbar = state_.cpuThreshold;
    s.net_taskbar = state_.netThreshold;
    s.armed = CheckBox2->isChecked();
    s.type = state_.actionName;
    s.fproz = state_.conditions.processor;
    s.Fnet = state_.conditions.network;
    s.ftime = state_.conditions.time;
    s.Fprocess = state_.conditions.process;
    s.Fkey = state_.conditions.input;
    // The selector's period, not the running count's: after a firing the loop runs with period 0, which
    // must not turn into "Sofort" at the next start.
    s.time = periodSecondsForIndex(state_.periodIndex, state_.customSeconds);
    s.customtime = state_.customSeconds;
    s.networkcard = ComboBox2->currentIndex() < 0 ? settings_.networkcard : ComboBox2->currentIndex();
    s.startminimized = startMinimizedAction_->isChecked();
    s.startwithwindows = startWithSystemAction_->isChecked();
    s.FullscreenCountdown = FullScreenchk->isChecked();
    s.Daempfung = dampingAction_->isChecked();
    s.KeepAwake = keepAwakeAction_->isChecked();
    s.WarnAhead = warnAheadAction_->isChecked();
    s.processormethod = highestMethodAction_->isChecked() ? 1 : 0;
    s.Language = context_.dispatcher->activeLanguage();
    return s;
}

void TMainForm::SaveSettings() {
    if (loading_)
        return;
    const Settings next = collectSettings();
    try {
        context_.store->save(next);
        settings_ = next;
    } catch (const SettingsWriteError& error) {
        Q_EMIT settingsWriteFailed(error.message());
    }
}

} // namespace vespera
