#include "sensors/ScheduleRule.h"

#include "sensors/LocalClock.h"

namespace vespera {

namespace {

constexpr qint64 DayMs = 24 * 60 * 60 * 1000;
constexpr qint64 SecondMs = 1000;

bool weekdayChosen(const Settings& s, int dayOfWeek) {
    return dayOfWeek >= 1 && dayOfWeek <= 7 && s.*Weekdays[dayOfWeek - 1];
}

// Only the exact "sub1" is the weekday schedule; "SUB1" is a day of the month.
bool dayMatches(const Settings& s, QDate day) {
    if (s.submethod != QLatin1String("sub1"))
        return day.day() == s.DayofMonth;
    return weekdayChosen(s, day.dayOfWeek());
}

} // namespace

ScheduleRule::ScheduleRule(const LocalClock& clock) : clock_(clock) {}

// A clock that names its time zone is read as a moment in it; any other gives its own reading.
ScheduleRule::Reading ScheduleRule::read() const {
    QTimeZone zone = clock_.timeZone();
    if (zone.isValid())
        return {clock_.msSinceEpoch(), std::move(zone), {}};
    QDateTime now = clock_.now();
    return {now.toMSecsSinceEpoch(), {}, std::move(now)};
}

// Milliseconds to add to a moment to read the clock of `now` at it.
qint64 ScheduleRule::offsetMsAt(qint64 at, const Reading& now) const {
    if (now.zone.isValid())
        return offsets_.offsetMsAt(at, now.zone);
    return QDateTime::fromMSecsSinceEpoch(at, now.reading.timeSpec(), now.reading.offsetFromUtc())
               .offsetFromUtc() *
           SecondMs;
}

// The day the clock of `now` shows at a moment.
QDate ScheduleRule::dayAt(qint64 at, const Reading& now) const {
    return QDateTime::fromMSecsSinceEpoch(at + offsetMsAt(at, now), Qt::UTC).date();
}

// The first moment at which the clock shows `time` on `day`: the earlier one when the clock is set back
// over it, the jump itself when the clock jumps over it.
qint64 ScheduleRule::firstShown(QDate day, QTime time, const Reading& now) const {
    const qint64 wall = QDateTime(day, time, Qt::UTC).toMSecsSinceEpoch();
    const qint64 before = offsetMsAt(wall - DayMs, now);
    const qint64 after = offsetMsAt(wall + DayMs, now);
    std::optional<qint64> first;
    for (const qint64 offset : {before, after}) {
        const qint64 at = wall - offset;
        if (offsetMsAt(at, now) == offset && (!first || at < *first))
            first = at;
    }
    if (first)
        return *first;
    qint64 low = wall - after;   // still on the offset before the jump
    qint64 high = wall - before; // already on the offset after it
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        (offsetMsAt(middle, now) == before ? low : high) = middle;
    }
    return high;
}

void ScheduleRule::restart() {
    previousTick_.reset();
}

// The earliest moment this tick answers for: just after the previous tick. Without a previous tick, after
// a pause longer than a slipping timer explains, or when the clock went back, only the second the clock
// stands in.
qint64 ScheduleRule::windowStart(qint64 now) const {
    if (!previousTick_ || *previousTick_ > now || now - *previousTick_ > CatchUpMs)
        return now;
    return *previousTick_ + 1;
}

bool ScheduleRule::ScheduleMatches(const Settings& schedule) {
    const Reading now = read();
    const qint64 at = now.at;
    const qint64 from = windowStart(at);
    previousTick_ = at;
    if (deferredDue(schedule, from, at))
        return true;
    const QTime time(schedule.Stunde, schedule.Minute, schedule.Sekunde);
    if (!time.isValid())
        return false;
    const QDate today = dayAt(at, now);
    for (QDate day = dayAt(from, now); day <= today; day = day.addDays(1)) {
        if (!dayMatches(schedule, day))
            continue;
        const qint64 moment = firstShown(day, time, now);
        const std::pair scheduled{day, time};
        if (moment <= at && moment + SecondMs > from && fired_ != scheduled) {
            fired_ = scheduled;
            return true;
        }
    }
    return false;
}

// A postponed second fires at its new moment under the same rule as a scheduled one, and only while the
// schedule still names its day and time: a schedule changed since does not fire at the old one.
bool ScheduleRule::deferredDue(const Settings& schedule, qint64 from, qint64 at) {
    if (!deferred_ || deferred_->at > at)
        return false;
    const bool due = deferred_->at + SecondMs > from && deferredStillScheduled(schedule);
    deferred_.reset();
    return due;
}

bool ScheduleRule::deferredStillScheduled(const Settings& schedule) const {
    return deferred_->scheduled.second == QTime(schedule.Stunde, schedule.Minute, schedule.Sekunde) &&
           dayMatches(schedule, deferred_->scheduled.first);
}

// The next scheduled second after now that has neither fired nor been postponed.
std::optional<ScheduleRule::Moment> ScheduleRule::nextScheduled(const Settings& schedule,
                                                                qint64 horizonMs) const {
    const Reading now = read();
    const qint64 at = now.at;
    const QTime time(schedule.Stunde, schedule.Minute, schedule.Sekunde);
    if (!time.isValid())
        return std::nullopt;
    const QDate last = dayAt(at + horizonMs, now);
    for (QDate day = dayAt(at, now); day <= last; day = day.addDays(1)) {
        const qint64 moment = dayMatches(schedule, day) ? firstShown(day, time, now) : at;
        if (moment > at && moment <= at + horizonMs && fired_ != std::pair{day, time})
            return Moment{{day, time}, moment};
    }
    return std::nullopt;
}

std::optional<qint64> ScheduleRule::msToNext(const Settings& schedule, qint64 horizonMs) const {
    const qint64 at = clock_.msSinceEpoch();
    if (postponed(schedule) && deferred_->at <= at + horizonMs)
        return deferred_->at - at;
    if (const std::optional<Moment> next = nextScheduled(schedule, horizonMs))
        return next->at - at;
    return std::nullopt;
}

bool ScheduleRule::postpone(const Settings& schedule, qint64 horizonMs, qint64 delayMs) {
    const qint64 at = clock_.msSinceEpoch();
    if (postponed(schedule) && deferred_->at <= at + horizonMs) {
        deferred_->at += delayMs;
        return true;
    }
    const std::optional<Moment> next = nextScheduled(schedule, horizonMs);
    if (!next)
        return false;
    fired_ = next->scheduled; // the second itself is done with: it fires at its new moment only
    deferred_ = Moment{next->scheduled, next->at + delayMs};
    return true;
}

bool ScheduleRule::postponed(const Settings& schedule) const {
    return deferred_ && deferred_->at > clock_.msSinceEpoch() && deferredStillScheduled(schedule);
}

} // namespace vespera
