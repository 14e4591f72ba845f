#pragma once

#include "platform/PhysicalKeyState.h"

#include <QByteArray>

struct _XDisplay;

namespace vespera {

// The key state from the X server (XQueryKeymap), over a connection of its own so that it never
// disturbs the toolkit's. The connection opens at the first question (the countdown asks), so a program
// that never counts down holds none. An empty display name, or a display that cannot be opened, leaves
// it unavailable.
class X11PhysicalKeyState : public PhysicalKeyState {
public:
    explicit X11PhysicalKeyState(QByteArray displayName);
    ~X11PhysicalKeyState() override;
    X11PhysicalKeyState(const X11PhysicalKeyState&) = delete;
    X11PhysicalKeyState& operator=(const X11PhysicalKeyState&) = delete;

    bool available() const override { return connected(); }
    bool escapeDown() override;

private:
    bool connected() const;

    QByteArray displayName_;
    mutable bool tried_ = false;
    mutable _XDisplay* display_ = nullptr;
    mutable unsigned escapeKeycode_ = 0;
};

} // namespace vespera
