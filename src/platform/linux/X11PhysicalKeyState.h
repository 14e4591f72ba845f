#pragma once

#include "platform/PhysicalKeyState.h"

#include <QByteArray>

struct _XDisplay;

namespace vespera {

// The key state from the X server (XQueryKeymap), over a connection of its own so that it never
// disturbs the toolkit's. An empty display name, or a display that cannot be opened, leaves it
// unavailable.
class X11PhysicalKeyState : public PhysicalKeyState {
public:
    explicit X11PhysicalKeyState(const QByteArray& displayName);
    ~X11PhysicalKeyState() override;
    X11PhysicalKeyState(const X11PhysicalKeyState&) = delete;
    X11PhysicalKeyState& operator=(const X11PhysicalKeyState&) = delete;

    bool available() const override { return display_ != nullptr && escapeKeycode_ != 0; }
    bool escapeDown() override;

private:
    _XDisplay* display_ = nullptr;
    unsigned escapeKeycode_ = 0;
};

} // namespace vespera
