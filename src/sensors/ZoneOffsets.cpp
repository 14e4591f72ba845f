#include "sensors/ZoneOffsets.h"

#include <QDateTime>

#include <limits>

namespace vespera {

namespace {
constexpr qint64 SecondMs = 1000;

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
    if (!zone.hasTransitions())
        return offset;
    const QTimeZone::OffsetData last =
        zone.previousTransition(QDateTime::fromMSecsSinceEpoch(at + 1, Qt::UTC));
    const QTimeZone::OffsetData next = zone.nextTransition(QDateTime::fromMSecsSinceEpoch(at, Qt::UTC));
    if (!last.atUtc.isValid() && !next.atUtc.isValid()) {
        from_ = std::numeric_limits<qint64>::min();
        until_ = std::numeric_limits<qint64>::max();
        return offset;
    }
    // Past a zone's last told transition its rules may still change the offset: such moments are read
    // one by one, and so is a span whose ends disagree with the offset just read.
    if (!next.atUtc.isValid())
        return offset;
    const qint64 from =
        last.atUtc.isValid() ? last.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    const qint64 until = next.atUtc.toMSecsSinceEpoch();
    if (from > at || at >= until || (last.atUtc.isValid() && last.offsetFromUtc * SecondMs != offset) ||
        offsetAt(until - 1, zone) != offset)
        return offset;
    from_ = from;
    until_ = until;
    return offset;
}

} // namespace vespera
