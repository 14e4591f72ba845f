#pragma once

#include "sensors/LocalClock.h"

#include <QTimeZone>

#include <chrono>
#include <optional>

namespace vespera {

// The system's clock in the system's time zone, so that daylight-saving changes are known.
class SystemClock : public LocalClock {
public:
    QDateTime now() const override;
    qint64 msSinceEpoch() const override;
    QTimeZone timeZone() const override;

private:
    mutable QTimeZone zone_;
    mutable std::optional<std::chrono::steady_clock::time_point> zoneAsked_;
};

} // namespace vespera
