#include "sensors/IdleTimeInput.h"

namespace vespera {

// A source that stops answering measures nothing; its next answer starts afresh.
bool IdleTimeInput::inputSeen(std::optional<std::uint64_t> idleMilliseconds) {
    const std::optional<std::uint64_t> previous = last_;
    last_ = idleMilliseconds;
    if (!idleMilliseconds)
        return false;
    return *idleMilliseconds < 1000 || (previous && *idleMilliseconds < *previous);
}

} // namespace vespera
