// The main window's handlers of the watch: arming, the conditions, the selectors, the monitoring tick.
#include "ui/TMainForm.h"

#include "l10n/DisplayText.h"
#include "l10n/FormTranslator.h"
#include "l10n/StandardMessageBox.h"
#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"
#include "engine/PowerActions.h"
#include "platform/SleepInhibitor.h"
#include "dialogs/fCountdown.h"
#include "update/TOnlineUpdate.h"
#include "sensors/fTimeSchedule.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTimer>

#include <utility>

namespace vespera {

void TMainForm::CheckBox2Click() {
    state_.armed = CheckBox2->isChecked();
    statusText_->clear();
    state_.statusLine.clear();
    checkAction();
    if (!state_.armed) {
        state_.trayHint = context_.productTitle;
        tray_->setToolTip(state_.trayHint);
    }
    loop_.setTime();
    schedule_.restart();
    SaveSettings();
    state_.tickRunning = state_.armed;
    if (state_.armed)
        Timer2->start();
    else
        Timer2->stop();
    preWarning_.withdraw(); // a new run, or none
    updateInhibitor();
}

void TMainForm::ScharfStatus() {
    if (!CheckBox2->isChecked()) {
        statusText_->clear();
        state_.statusLine.clear();
        state_.trayHint = context_.productTitle;
        tray_->setToolTip(state_.trayHint);
        Timer2->stop();
    } else {
        // A watch that has fired runs with period 0; starting it again takes the selector's period, so a
        // changed condition never makes it fire at once.
        if (!Timer2->isActive()) {
            loop_.setTime();
            schedule_.restart();
        }
        Timer2->start();
    }
    state_.tickRunning = Timer2->isActive();
    updateInhibitor();
    SaveSettings();
}

// The one handler of the five condition check boxes.
void TMainForm::ProzCheckBoxClick() {
    if (ProcCheckBox->isChecked() && settings_.process.isEmpty()) {
        context_.messageBoxes->show(this, QMessageBox::Critical, text("IDS_97"));
        const QSignalBlocker blockProz(ProzCheckBox);
        const QSignalBlocker blockProc(ProcCheckBox);
        ProzCheckBox->setChecked(true);
        ProcCheckBox->setChecked(false);
    }
    if (!loading_) {
        if (!conditionBoxes().any()) {
            const QSignalBlocker block(ProzCheckBox);
            ProzCheckBox->setChecked(true);
        }
        state_.conditions = conditionBoxes();
        SaveSettings();
        ScharfStatus();
    }
    state_.idleSeconds = 0;
    schedule_.restart();
    watchProcess();
    EntwederOder();
    startOrStopWatch();
}

void TMainForm::EntwederOder() {
    ComboBox1->setEnabled(!state_.conditions.onlyTime());
}

void TMainForm::ComboBox1Change() {
    state_.periodIndex = ComboBox1->currentIndex();
    loop_.setTime();
    SaveSettings();
}

// The entry means what the list said when the user chose it. Whether hibernation is allowed is asked
// again; when the answer changed, the list is refilled with the chosen action still selected.
void TMainForm::ComboBox3Change() {
    state_.actionIndex = ComboBox3->currentIndex();
    state_.actionName = actionNameForIndex(state_.actionIndex, state_.hibernateEntry);
    const bool hibernateAllowed = context_.power->hibernateAllowed();
    if (hibernateAllowed != state_.hibernateEntry) {
        fillActionSelector(hibernateAllowed);
        showStoredAction();
    }
    checkAction();
    SaveSettings();
}

// While armed, asks whether the chosen action would be carried out without a password at the moment it
// fires; until it would, the status line warns. Asked on arming, on a change of action, after a resume
// and every half minute, so the warning also goes once the system allows the action.
void TMainForm::checkAction() {
    state_.actionWarning =
        state_.armed ? context_.power->readinessWarning(state_.actionName, *translator_) : QString();
    if (!state_.actionWarning.isEmpty() && !state_.tickRunning)
        statusText_->setText(displayText(state_.actionWarning));
}

void TMainForm::Trackbar1Change() {
    state_.cpuThreshold = Trackbar1->value();
    showThresholds();
    SaveSettings();
}

void TMainForm::TrackBar2Change() {
    state_.netThreshold = TrackBar2->value();
    showThresholds();
    SaveSettings();
}

void TMainForm::Timer2Timer() {
    if (waitingForCommand_)
        return;
    if (++ticksSinceActionCheck_ >= ActionCheckTicks) {
        ticksSinceActionCheck_ = 0;
        checkAction();
    }
    readIdleTime();
    loop_.tick();
    preWarning_.afterTick();
    syncFromState();
}

// Only a text that changed reaches its widget: an unchanged one would still be laid out again.
void TMainForm::syncFromState() {
    shownStatus_.update(state_.statusLine, state_.lastResetLine, state_.trayHint);
    statusText_->setText(shownStatus_.status());
    statusText_->setToolTip(shownStatus_.statusHint());
    if (tray_->toolTip() != shownStatus_.trayHint())
        tray_->setToolTip(shownStatus_.trayHint());
}

// Notes whether the watch is armed as the machine goes to sleep; only such a watch is re-armed.
void TMainForm::PrepareForSleep() {
    armedAtSleep_ = CheckBox2->isChecked();
}

// A resume re-arms a watch that was armed when the machine went to sleep, never one the user had not
// armed; without "nach Neustart wieder aktiv" it disarms.
void TMainForm::DoRestart() {
    const bool wasArmed = std::exchange(armedAtSleep_, false);
    if (settings_.Enabelafterrestart && !wasArmed)
        return;
    if (settings_.Enabelafterrestart) {
        loop_.setTime();
        schedule_.restart();
        CheckBox2->setChecked(true);
        checkAction();
        updateInhibitor();
        Timer2->start();
        state_.tickRunning = true;
        state_.idleSeconds = 0;
    } else {
        CheckBox2->setChecked(false);
    }
}

void TMainForm::SchedulerButtonClick() {
    schedForm().exec();
}

TSchedForm& TMainForm::schedForm() {
    if (!schedForm_)
        schedForm_ = new TSchedForm(
            settings_, clock_, *context_.dispatcher, [this] { SaveToIni(); }, this);
    return *schedForm_;
}

bool TMainForm::scheduleMatches() {
    return schedule_.ScheduleMatches(settings_);
}

QString TMainForm::scheduleDescription(const QString& actionShortText) {
    return scheduleLine_.text(settings_, *scheduleTexts_, scheduleTexts_->activeLanguage(), actionShortText);
}

void TMainForm::disarm() {
    CheckBox2->setChecked(false);
}

void TMainForm::stopTick() {
    Timer2->stop();
    state_.tickRunning = false;
    preWarning_.withdraw(); // before the command and the action
    updateInhibitor();
}

// While the watch runs, the session neither suspends nor locks itself for idleness, so the job the user
// waits for goes on. The inhibitor goes when the tick stops (before the action) and on disarming.
void TMainForm::updateInhibitor() {
    if (!context_.inhibitor)
        return;
    if (state_.armed && state_.tickRunning && keepAwakeAction_->isChecked())
        context_.inhibitor->hold(text("IDS_1020"));
    else
        context_.inhibitor->release();
}

// A refused or failed action must not look like success: a second line under "Fertig - " says why.
void TMainForm::performAction(const QString& actionName) {
    const PowerResult result = context_.power->performAction(actionName);
    if (!result.ok)
        state_.statusLine += QStringLiteral("\r\n") + PowerActions::failureLine(result, *translator_);
}

void TMainForm::showCountdown(int remaining) {
    countdownForm().setNumeral(QString::number(remaining));
    countdownForm().showCountdown();
}

void TMainForm::closeCountdown() {
    if (countdown_)
        countdown_->closeCountdown();
}

void TMainForm::setCountdownText(const QString& text) {
    countdownForm().setNumeral(text);
}

void TMainForm::setStatusLine(const QString& text) {
    state_.statusLine = text;
    statusText_->setText(displayText(text));
}

void TMainForm::setTrayHint(const QString& text) {
    state_.trayHint = text;
    tray_->setToolTip(displayText(text));
}

// Asks the update server for a newer version; the check runs to its end here.
void TMainForm::Update1Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    context_.onlineUpdate->initialise(context_.versionText, context_.updateAddress,
                                      QStringLiteral("vsp_update.inf"),
                                      context_.dispatcher->activeLanguage());
    QApplication::restoreOverrideCursor();
    context_.onlineUpdate->check(true);
}

} // namespace vespera
