#include "sensors/SystemClock.h"

#include <QTimeZone>

namespace vespera {

// The zone is asked for every time: a user who changes it while the program runs gets the new one.
QDateTime SystemClock::now() const {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return QDateTime::currentDateTime();
    return QDateTime::currentDateTimeUtc().toTimeZone(zone);
}

} // namespace vespera
