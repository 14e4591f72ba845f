#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace vespera {

// The session's own idle time: how long ago the user last touched mouse or keyboard anywhere.
class IdleTimeSource {
public:
    virtual ~IdleTimeSource() = default;
    // Milliseconds since the last input, or nothing when the source does not answer.
    virtual std::optional<std::uint64_t> idleMilliseconds() = 0;
    // The source's name, for messages.
    virtual QString name() const = 0;
};

// A Wayland session lets no program see the input of others: the idle time must come from the
// compositor.
bool waylandSession(const QProcessEnvironment& environment);

// The first idle-time source that answers now: the compositor's idle notification, then on the session
// bus GNOME's idle monitor and the session's screen saver; null when none does.
std::unique_ptr<IdleTimeSource> openIdleTimeSource();

} // namespace vespera
