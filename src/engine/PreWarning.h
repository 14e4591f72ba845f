#pragma once

#include "engine/WatchState.h"

#include <QString>

#include <functional>
#include <optional>

namespace vespera {

class DesktopNotifications;
class ScheduleRule;
class TextSource;
struct Settings;

// A minute before the watch acts, one desktop notification says so and offers to cancel the watch or to
// have nothing happen for the next 15 minutes. It goes once per approach: a count that starts again
// takes it back, and the next one comes a minute before the new moment; a firing or a disarm takes it
// back too.
class PreWarning {
public:
    static constexpr int LeadSeconds = 60;
    static constexpr int SnoozeSeconds = 15 * 60;
    // A state condition's period must leave the user a minute between arming and the warning.
    static constexpr int ShortestPeriod = 2 * LeadSeconds;
    inline static const QString CancelKey = QStringLiteral("cancel");
    inline static const QString SnoozeKey = QStringLiteral("snooze");

    // `notifications` may be absent: the decisions are the same, only nothing is shown.
    PreWarning(WatchState& state, ScheduleRule& schedule, const Settings& scheduleSettings,
               const TextSource& texts, DesktopNotifications* notifications);
    ~PreWarning();
    PreWarning(const PreWarning&) = delete;
    PreWarning& operator=(const PreWarning&) = delete;

    // "Vorwarnung eine Minute vorher"; switching it off takes back a warning that is out.
    void setEnabled(bool on);
    // What "Abbrechen" does: the same as the countdown's Cancel.
    void setCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }

    // After each tick of the watch: warns when the action is a minute away, takes the warning back when
    // it no longer is, and notes a postponement in the status line and the tray hint.
    void afterTick();
    // The watch stopped (fired or disarmed): the warning goes.
    void withdraw();
    // The user's answer to the warning, by its action key.
    void answer(const QString& key);
    // "15 Minuten später": nothing happens before 15 minutes from now. The state conditions count
    // afresh and this run waits its period plus 15 minutes; the next scheduled second within 15 minutes
    // comes 15 minutes later. Only an answer to a warning that is out counts.
    bool snooze();

    bool warned() const { return warned_; }

private:
    std::optional<int> secondsLeft() const;
    bool snoozed() const;
    void send(int seconds);
    QString actionCaption() const;
    QString text(const char* key) const;

    WatchState& state_;
    ScheduleRule& schedule_;
    const Settings& scheduleSettings_;
    const TextSource& texts_;
    DesktopNotifications* notifications_;
    std::function<void()> cancel_;
    bool enabled_ = true;
    bool warned_ = false; // a warning is out for the moment ahead
};

} // namespace vespera
