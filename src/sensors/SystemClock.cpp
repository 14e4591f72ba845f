#include "sensors/SystemClock.h"

namespace vespera {

// The zone is asked for again once a second at most: a user who changes it while the program runs gets
// the new one within that second. A tick asks for the time several times, and asking for the zone
// looks at three files each time.
QDateTime SystemClock::now() const {
    const auto steady = std::chrono::steady_clock::now();
    if (!zoneAsked_ || steady - *zoneAsked_ >= std::chrono::seconds(1)) {
        zone_ = QTimeZone::systemTimeZone();
        zoneAsked_ = steady;
    }
    if (!zone_.isValid())
        return QDateTime::currentDateTime();
    return QDateTime::currentDateTimeUtc().toTimeZone(zone_);
}

} // namespace vespera
