#pragma once

#include "platform/WatchRecord.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vespera {

// Where the input hook library delivers its messages: a handle the library writes whole records to,
// handed on one by one to a function on the thread that created the receiver.
class WatchReceiver {
public:
    virtual ~WatchReceiver() = default;
    // The handle to register with the library; never 0.
    virtual std::int32_t handle() const = 0;
};

using WatchDispatch = std::function<void(const WatchRecord&)>;

// A receiver on this thread's event loop; null when none can be created.
std::unique_ptr<WatchReceiver> createWatchReceiver(WatchDispatch dispatch);

} // namespace vespera
