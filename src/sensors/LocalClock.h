#pragma once

#include <QDateTime>

namespace vespera {

// The wall clock of the machine's time zone. Tests hand in a clock that stands wherever they need it.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    // The current moment, in the local time zone.
    virtual QDateTime now() const = 0;
};

} // namespace vespera
