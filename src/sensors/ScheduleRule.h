#pragma once

#include "sensors/ZoneOffsets.h"
#include "settings/Settings.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

#include <array>
#include <optional>
#include <utility>

namespace vespera {

class LocalClock;

// The weekday settings, Monday to Sunday.
inline constexpr std::array<bool Settings::*, 7> Weekdays = {
    &Settings::Montag,  &Settings::Dienstag, &Settings::Mittwoch, &Settings::Donnerstag,
    &Settings::Freitag, &Settings::Samstag,  &Settings::Sonntag};

// Whether the clock has come to the scheduled second: the time of day `Stunde`, `Minute`, `Sekunde` on
// the weekdays `Montag` ... `Sonntag` (kind "sub1") or on the day of the month `DayofMonth` (any other
// kind). A stored value out of its range never matches.
//
// The tick's timer slips on a busy desktop, so a tick asks whether the scheduled second lies between the
// previous tick and itself, a few seconds back at most. Each scheduled day and time fires once:
// - a time the clock shows twice (daylight saving ends) counts the first time only; a time the clock
//   jumps over (daylight saving begins) comes at the jump;
// - a clock set forwards past the time misses that day; a clock set back over a time that has fired does
//   not fire it again.
class ScheduleRule {
public:
    // The longest pause between two ticks that still counts as a slipped tick.
    static constexpr qint64 CatchUpMs = 5000;

    explicit ScheduleRule(const LocalClock& clock);

    // Asked once per tick of the armed watch.
    bool ScheduleMatches(const Settings& schedule);

    // The watch starts anew (armed, or its conditions changed): the next tick answers only for the second
    // the clock stands in.
    void restart();

    // Milliseconds from now to the next second that will fire (a postponed one at its new moment), when it
    // comes within `horizonMs`.
    std::optional<qint64> msToNext(const Settings& schedule, qint64 horizonMs) const;
    // The next second that will fire, if it comes within `horizonMs`, fires `delayMs` later instead; the
    // days after keep their time. False when none comes within the horizon.
    bool postpone(const Settings& schedule, qint64 horizonMs, qint64 delayMs);
    // A postponed second is still to come.
    bool postponed(const Settings& schedule) const;

private:
    struct Moment {
        std::pair<QDate, QTime> scheduled;
        qint64 at = 0; // ms since the epoch
    };

    // The clock at one moment, with what tells its offset at others: its time zone when it names one,
    // else its own reading.
    struct Reading {
        qint64 at = 0; // ms since the epoch
        QTimeZone zone;
        QDateTime reading;
    };

    Reading read() const;
    qint64 offsetMsAt(qint64 at, const Reading& now) const;
    QDate dayAt(qint64 at, const Reading& now) const;
    qint64 firstShown(QDate day, QTime time, const Reading& now) const;
    qint64 windowStart(qint64 now) const;
    std::optional<Moment> nextScheduled(const Settings& schedule, qint64 horizonMs) const;
    bool deferredStillScheduled(const Settings& schedule) const;
    bool deferredDue(const Settings& schedule, qint64 from, qint64 at);

    const LocalClock& clock_;
    std::optional<qint64> previousTick_;           // ms since the epoch
    std::optional<std::pair<QDate, QTime>> fired_; // the scheduled day and time that fired last
    std::optional<Moment> deferred_;               // a postponed day and time, at its new moment
    mutable ZoneOffsets offsets_;
};

} // namespace vespera
