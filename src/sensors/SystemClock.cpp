#include "sensors/SystemClock.h"

namespace vespera {

QDateTime SystemClock::now() const {
    const QTimeZone zone = timeZone();
    if (!zone.isValid())
        return QDateTime::currentDateTime();
    return QDateTime::currentDateTimeUtc().toTimeZone(zone);
}

// The zone is asked for again every ten seconds at most: a user who changes it while the program runs
// gets the new one within that time (a change of summer time is no change of zone). A tick asks for the
// time several times, and asking for the zone looks at three files each time. An invalid zone when the
// system's cannot be read: now() then reads the C library's local time.
QTimeZone SystemClock::timeZone() const {
    const auto steady = std::chrono::steady_clock::now();
    if (!zoneAsked_ || steady - *zoneAsked_ >= std::chrono::seconds(10)) {
        zone_ = QTimeZone::systemTimeZone();
        zoneAsked_ = steady;
    }
    return zone_;
}

qint64 SystemClock::msSinceEpoch() const {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace vespera
