#include "sensors/ZoneOffsets.h"

#include <QDateTime>

#include <limits>

namespace vespera {

namespace {
constexpr qint64 SecondMs = 1000;
constexpr qint64 WeekMs = 7 * 24 * 3600 * SecondMs;

qint64 offsetAt(qint64 at, const QTimeZone& zone) {
    return QDateTime::fromMSecsSinceEpoch(at, zone).offsetFromUtc() * SecondMs;
}

} // namespace

qint64 ZoneOffsets::offsetMsAt(qint64 at, const QTimeZone& zone) {
    if (at >= from_ && at < until_ && zone == zone_)
        return offsetMs_;
    const qint64 offset = offsetAt(at, zone);
    zone_ = zone;
    offsetMs_ = offset;
    from_ = at;
    until_ = at + 1;
    const QTimeZone::OffsetData last =
        zone.previousTransition(QDateTime::fromMSecsSinceEpoch(at + 1, Qt::UTC));
    const QTimeZone::OffsetData next = zone.nextTransition(QDateTime::fromMSecsSinceEpoch(at, Qt::UTC));
    // Where the zone tells no transition (a zone without any, or past the end of its table, where its rules
    // may still change the offset) the span reaches a week that way: no zone changes its offset and back
    // within a week. A span is kept only if the offset is the same at both its ends.
    const qint64 from = last.atUtc.isValid() ? last.atUtc.toMSecsSinceEpoch() : at - WeekMs;
    const qint64 until = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch() : at + WeekMs;
    if (from > at || at >= until || offsetAt(from, zone) != offset || offsetAt(until - 1, zone) != offset)
        return offset;
    from_ = from;
    until_ = until;
    return offset;
}

} // namespace vespera
