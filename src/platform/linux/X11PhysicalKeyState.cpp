#include "platform/linux/X11PhysicalKeyState.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <utility>

namespace vespera {

X11PhysicalKeyState::X11PhysicalKeyState(QByteArray displayName) : displayName_(std::move(displayName)) {}

X11PhysicalKeyState::~X11PhysicalKeyState() {
    if (display_)
        XCloseDisplay(display_);
}

bool X11PhysicalKeyState::connected() const {
    if (!std::exchange(tried_, true) && !displayName_.isEmpty()) {
        display_ = XOpenDisplay(displayName_.constData());
        if (display_)
            escapeKeycode_ = XKeysymToKeycode(display_, XK_Escape);
    }
    return display_ != nullptr && escapeKeycode_ != 0;
}

// One bit a keycode, eight keycodes a byte, in the server's own order.
bool X11PhysicalKeyState::escapeDown() {
    if (!connected())
        return false;
    char keys[32] = {};
    XQueryKeymap(display_, keys);
    return (static_cast<unsigned char>(keys[escapeKeycode_ / 8]) >> (escapeKeycode_ % 8)) & 1U;
}

// A Wayland compositor hands key presses only to the focused program; the X server it runs for older
// programs then sees Esc only while one of them has the focus, which would look like a working poll
// that misses the key. Such a session has no key state here.
std::unique_ptr<PhysicalKeyState> createPhysicalKeyState(const QProcessEnvironment& environment) {
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    const QByteArray display =
        wayland ? QByteArray() : environment.value(QStringLiteral("DISPLAY")).toLocal8Bit();
    return std::make_unique<X11PhysicalKeyState>(display);
}

} // namespace vespera
