#pragma once

#include <QDateTime>

namespace vespera {

// The wall clock of the machine's time zone. Tests hand in a clock that stands wherever they need it.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    // The current moment, in the local time zone.
    virtual QDateTime now() const = 0;
    // The current moment in milliseconds since the epoch, for a caller that needs no time of day.
    virtual qint64 msSinceEpoch() const { return now().toMSecsSinceEpoch(); }
};

} // namespace vespera
