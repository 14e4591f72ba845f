#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace vespera {

// The wall clock of the machine's time zone. Tests hand in a clock that stands wherever they need it.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    // The current moment, in the local time zone.
    virtual QDateTime now() const = 0;
    // The current moment in milliseconds since the epoch, for a caller that needs no time of day.
    virtual qint64 msSinceEpoch() const { return now().toMSecsSinceEpoch(); }
    // The time zone whose clock now() reads, for a caller that reads it at other moments; an invalid zone
    // when now() reads the clock some other way (UTC, a fixed offset, the C library's local time).
    virtual QTimeZone timeZone() const {
        const QDateTime current = now();
        return current.timeSpec() == Qt::TimeZone ? current.timeZone() : QTimeZone();
    }
};

} // namespace vespera
