#pragma once

#include "platform/WindowSource.h"

#include <QByteArray>

namespace vespera {

// The top-level windows of an X display, read through xcb from the window manager's properties: the
// list _NET_CLIENT_LIST, the process _NET_WM_PID, the caption _NET_WM_NAME (UTF-8) or else WM_NAME, the
// type _NET_WM_WINDOW_TYPE (anything but a normal or dialog window is a tool window), the state
// _NET_WM_STATE (hidden: minimised; skip-taskbar: a tool window) and the owner WM_TRANSIENT_FOR. xcb
// reports a window that closes while it is read as a failed reply instead of ending the program, as
// Xlib's default error handler would. Each listing opens a connection of its own.
class XcbWindowSource : public WindowSource {
public:
    // displayName: as in $DISPLAY; empty takes $DISPLAY.
    explicit XcbWindowSource(QByteArray displayName = {});

    bool listWindows(std::vector<TWindowObject>& windows) override;

private:
    QByteArray displayName_;
};

} // namespace vespera
