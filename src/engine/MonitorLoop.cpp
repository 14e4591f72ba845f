#include "engine/MonitorLoop.h"

#include "l10n/TextSource.h"
#include "engine/ActionTable.h"
#include "engine/LoopHost.h"
#include "engine/PeriodTable.h"

#include <QStringBuilder>

#include <exception>

namespace vespera {

MonitorLoop::MonitorLoop(WatchState& state, LoopHost& host, LoopSensors& sensors, const TextSource& texts)
    : state_(state), host_(host), sensors_(sensors), texts_(texts) {}

void MonitorLoop::setTime() {
    state_.periodSeconds = periodSecondsForIndex(state_.periodIndex, state_.customSeconds);
    state_.idleSeconds = 0;
    state_.snoozed = false;
    lastResetTick_ = -1;
    state_.lastResetLine.clear();
}

void MonitorLoop::tick() {
    const Conditions& on = state_.conditions;
    if (!on.any())
        host_.disarm(); // the rest of the tick still runs
    try {
        if (on.process)
            host_.showProcessStatus();
        else
            host_.refreshSystemInfo();
    } catch (const std::exception&) {
        // the information panel is a courtesy; the watch goes on without it
    }
    updateActionTexts();
    ++state_.idleSeconds;
    updateCountdown();
    buildStatusLine();
    unmeasured_.clear();
    ++ticks_;
    if (!runBranches())
        addWarnings();
    buildLastResetLine();
    state_.inputSeen = false;
}

void MonitorLoop::updateActionTexts() {
    const ActionKind kind = actionKindForIndex(state_.actionIndex, state_.hibernateEntry);
    if (kind != keysKind_) {
        keysKind_ = kind;
        shortKey_ = actionShortKey(kind);
        longKey_ = actionLongKey(kind);
    }
    state_.actionShortText = texts_.lookupText(shortKey_);
    state_.actionLongText = texts_.lookupText(longKey_);
}

void MonitorLoop::updateCountdown() {
    if (!state_.fullScreenCountdown || !state_.conditions.anyState())
        return;
    const int remaining = state_.periodSeconds - state_.idleSeconds;
    if (remaining >= 1 && remaining <= 10)
        host_.showCountdown(remaining);
    else
        host_.closeCountdown();
}

void MonitorLoop::buildStatusLine() {
    const Conditions& on = state_.conditions;
    state_.scheduleText.clear();
    if (on.time)
        state_.scheduleText = sensors_.scheduleDescription(state_.actionShortText);
    const QString countdown = remainingText();
    if (!on.time)
        state_.statusLine = countdown;
    else if (on.anyState())
        state_.statusLine = state_.scheduleText % QStringLiteral("\r\n") % countdown;
    else
        state_.statusLine = state_.scheduleText;
    state_.trayHint = state_.statusLine;
}

// Returns true when the tick fired. Every enabled state condition is read before any branch may fire,
// so the count runs out only in a tick in which all of them held; then the branches fire in their order
// and the ones after the one that fired do not.
bool MonitorLoop::runBranches() {
    const Conditions& on = state_.conditions;
    if (on.processor)
        checkCondition(StateCondition::Processor, state_.cpuThreshold < state_.cpuLoad, true);
    if (on.process)
        checkCondition(StateCondition::Process, sensors_.processBusy(), false);
    if (on.input)
        checkCondition(StateCondition::Input, state_.inputSeen, false);
    if (on.network)
        checkCondition(StateCondition::Network, state_.netThreshold < state_.netLoad, false);

    if ((on.processor && stateFires(StateCondition::Processor, Dispatch::A)) ||
        (on.process && stateFires(StateCondition::Process, Dispatch::A)))
        return true;
    if (on.time && sensors_.scheduleMatches()) {
        fire(Dispatch::A, state_.scheduleText + text(u"IDS_158") + state_.actionLongText);
        return true;
    }
    return (on.input && stateFires(StateCondition::Input, Dispatch::B)) ||
           (on.network && stateFires(StateCondition::Network, Dispatch::B));
}

// A condition that cannot measure resets the count as a busy one does.
void MonitorLoop::checkCondition(StateCondition condition, bool busy, bool withStatusInHint) {
    const QString reason = sensors_.unmeasuredReason(condition);
    if (!reason.isEmpty())
        unmeasured_ << reason;
    if (!busy && reason.isEmpty())
        return;
    resetCount(withStatusInHint);
    lastResetWhat_ = reason.isEmpty() ? resetDescription(condition) : reason;
    lastResetTick_ = ticks_;
}

// "Netzwerk, 35 kb/s über 10 kb/s": the condition and what it read against its threshold.
QString MonitorLoop::resetDescription(StateCondition condition) const {
    switch (condition) {
    case StateCondition::Processor:
        return text(u"IDS_991") + QStringLiteral(", ") +
               text(u"IDS_995").arg(state_.cpuLoad).arg(state_.cpuThreshold);
    case StateCondition::Process:
        return text(u"IDS_992") + QStringLiteral(" ") + sensors_.processDescription();
    case StateCondition::Input:
        return text(u"IDS_993");
    case StateCondition::Network:
        return text(u"IDS_994") + QStringLiteral(", ") +
               text(u"IDS_996").arg(state_.netLoad).arg(state_.netThreshold);
    }
    return {};
}

void MonitorLoop::buildLastResetLine() {
    if (lastResetTick_ < 0)
        return;
    // One pass: a reason that holds "%2" (a program's name may) keeps it.
    state_.lastResetLine = text(u"IDS_990").arg(lastResetWhat_, QString::number(ticks_ - lastResetTick_));
}

bool MonitorLoop::stateFires(StateCondition condition, Dispatch dispatch) {
    if (!periodReached(condition))
        return false;
    fire(dispatch, text(u"IDS_158") + state_.actionLongText);
    return true;
}

// With a period, the count must equal it. "Sofort" (period 0) fires at the first tick in which every
// enabled state condition held, that is at the last enabled branch when none of them reset the count.
bool MonitorLoop::periodReached(StateCondition condition) const {
    if (state_.periodSeconds != 0)
        return state_.idleSeconds == state_.periodSeconds;
    if (state_.idleSeconds == 0)
        return false;
    const Conditions& on = state_.conditions;
    switch (condition) {
    case StateCondition::Processor:
        return !on.process && !on.input && !on.network;
    case StateCondition::Process:
        return !on.input && !on.network;
    case StateCondition::Input:
        return !on.network;
    case StateCondition::Network:
        return true;
    }
    return false;
}

// The status line and the tray hint say why the count cannot run out, and why the action may fail.
void MonitorLoop::addWarnings() {
    if (!state_.actionWarning.isEmpty())
        unmeasured_ << state_.actionWarning;
    for (const QString& reason : std::as_const(unmeasured_)) {
        state_.statusLine += QStringLiteral("\r\n") + reason;
        state_.trayHint += QStringLiteral("\r\n") + reason;
    }
}

void MonitorLoop::resetCount(bool withStatusInHint) {
    state_.idleSeconds = 0;
    const QString countdown = remainingText();
    state_.statusLine = state_.scheduleText % countdown;
    const QString hint = text(u"IDS_102") % QString::number(state_.periodSeconds - state_.idleSeconds) %
                         text(u"IDS_157") % state_.actionShortText;
    state_.trayHint = withStatusInHint ? QString(state_.statusLine % hint) : hint;
}

QString MonitorLoop::remainingText() const {
    return text(u"IDS_102") % QString::number(state_.periodSeconds - state_.idleSeconds) % text(u"IDS_103") %
           state_.actionShortText;
}

void MonitorLoop::fire(Dispatch dispatch, const QString& statusLine) {
    state_.statusLine = statusLine;
    state_.trayHint = text(u"IDS_158") + state_.actionLongText;
    host_.setCountdownText(QStringLiteral("0"));
    host_.stopTick();
    state_.idleSeconds = 0;
    state_.periodSeconds = 0;
    state_.snoozed = false;
    host_.runShutdownCommand();
    // The user can abort while the command runs (the countdown's Esc still works then); an abort
    // disarms the watch, and a disarmed watch performs nothing.
    if (!state_.armed)
        return;
    host_.performAction(state_.actionName);
    if (dispatch == Dispatch::A && actionKindForName(state_.actionName) == ActionKind::Hibernate) {
        host_.stopTick();
        state_.idleSeconds = 0;
        state_.periodSeconds = DefaultPeriodSeconds;
    }
}

// The keys are literals of the program: the lookup uses them in place, without a copy.
QString MonitorLoop::text(QStringView key) const {
    return texts_.lookupText(QString::fromRawData(key.data(), key.size()));
}

} // namespace vespera
