#pragma once

#include <cstdint>
#include <optional>

namespace vespera {

// Input seen through the session's idle time, read once a second: the user touched mouse or keyboard
// when the idle time went down since the last reading or is below one second.
class IdleTimeInput {
public:
    // Takes one reading (nothing when the source did not answer) and tells whether input happened.
    bool inputSeen(std::optional<std::uint64_t> idleMilliseconds);
    // The last reading had an answer.
    bool measuring() const { return last_.has_value(); }

private:
    std::optional<std::uint64_t> last_;
};

} // namespace vespera
