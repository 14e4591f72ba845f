#include "engine/PreWarning.h"

#include "engine/ActionTable.h"
#include "l10n/TextSource.h"
#include "platform/DesktopNotifications.h"
#include "sensors/ScheduleRule.h"

#include <algorithm>

namespace vespera {

namespace {
constexpr qint64 SecondMs = 1000;
}

PreWarning::PreWarning(WatchState& state, ScheduleRule& schedule, const Settings& scheduleSettings,
                       const TextSource& texts, DesktopNotifications* notifications)
    : state_(state), schedule_(schedule), scheduleSettings_(scheduleSettings), texts_(texts),
      notifications_(notifications) {
    if (notifications_)
        notifications_->setActionHandler([this](const QString& key) { answer(key); });
}

PreWarning::~PreWarning() {
    if (notifications_)
        notifications_->setActionHandler({});
}

void PreWarning::setEnabled(bool on) {
    enabled_ = on;
    if (!on)
        withdraw();
}

void PreWarning::afterTick() {
    const bool watching = enabled_ && state_.armed && state_.tickRunning;
    const std::optional<int> left = watching ? secondsLeft() : std::nullopt;
    if (!left || *left > LeadSeconds)
        withdraw();
    else if (!warned_)
        send(*left);
    if (state_.tickRunning && snoozed()) {
        const QString note = QStringLiteral("\r\n") + text("IDS_1043");
        state_.statusLine += note;
        state_.trayHint += note;
    }
}

// Seconds to the earlier of the two moments the watch may act at: the end of the state conditions'
// period and the schedule's next second.
std::optional<int> PreWarning::secondsLeft() const {
    std::optional<int> left;
    if (state_.conditions.anyState() && state_.periodSeconds >= ShortestPeriod)
        left = state_.periodSeconds - state_.idleSeconds;
    if (!state_.conditions.time)
        return left;
    if (const std::optional<qint64> ms = schedule_.msToNext(scheduleSettings_, LeadSeconds * SecondMs)) {
        const int seconds = static_cast<int>((*ms + SecondMs - 1) / SecondMs);
        left = std::min(left.value_or(seconds), seconds);
    }
    return left;
}

bool PreWarning::snoozed() const {
    return (state_.snoozed && state_.conditions.anyState()) ||
           (state_.conditions.time && schedule_.postponed(scheduleSettings_));
}

void PreWarning::send(int seconds) {
    warned_ = true;
    if (!notifications_)
        return;
    Notification warning;
    warning.summary = text("IDS_1040").arg(actionCaption()).arg(seconds);
    warning.body = text("IDS_1044");
    warning.bodyWithoutActions = text("IDS_1045");
    warning.actions = {{CancelKey, text("IDS_1041")}, {SnoozeKey, text("IDS_1042")}};
    notifications_->show(warning);
}

void PreWarning::withdraw() {
    if (!warned_)
        return;
    warned_ = false;
    if (notifications_)
        notifications_->withdraw();
}

void PreWarning::answer(const QString& key) {
    if (key == CancelKey && cancel_)
        cancel_();
    else if (key == SnoozeKey)
        snooze();
}

bool PreWarning::snooze() {
    if (!warned_)
        return false;
    if (state_.conditions.anyState()) {
        const int period = state_.periodSeconds - (state_.snoozed ? SnoozeSeconds : 0);
        state_.periodSeconds = period + SnoozeSeconds;
        state_.idleSeconds = 0;
        state_.snoozed = true;
    }
    if (state_.conditions.time)
        schedule_.postpone(scheduleSettings_, SnoozeSeconds * SecondMs, SnoozeSeconds * SecondMs);
    withdraw();
    return true;
}

// The action as the selector names it: what will happen, in the active language.
QString PreWarning::actionCaption() const {
    switch (actionKindForName(state_.actionName)) {
    case ActionKind::PowerOff:
        return text("IDS_3");
    case ActionKind::Hibernate:
        return text("IDS_2");
    case ActionKind::Standby:
        return ActionNames::Standby;
    case ActionKind::Reboot:
        return ActionNames::Reboot;
    case ActionKind::LogOff:
        return text("IDS_5");
    }
    return text("IDS_3");
}

QString PreWarning::text(const char* key) const {
    return texts_.lookupText(QString::fromLatin1(key));
}

} // namespace vespera
