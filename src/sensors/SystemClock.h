#pragma once

#include "sensors/LocalClock.h"

namespace vespera {

// The system's clock in the system's time zone, so that daylight-saving changes are known.
class SystemClock : public LocalClock {
public:
    QDateTime now() const override;
};

} // namespace vespera
