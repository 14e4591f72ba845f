#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace vespera {

// One top-level window of the desktop.
struct TWindowObject {
    std::uint32_t handle = 0;
    QString caption;
    std::uint32_t processId = 0; // the process that shows it; 0 when unknown
    bool visible = false;        // shown on the screen or minimised
    bool enabled = true;
    bool iconic = false;     // minimised
    bool toolWindow = false; // a palette, menu, dock or other helper window, or kept out of the taskbar
    std::uint32_t owner = 0; // the window it belongs to (a dialog's main window); 0 when none
};

// The top-level windows of the user's desktop.
class WindowSource {
public:
    virtual ~WindowSource() = default;
    // Every managed top-level window in the window manager's order. False when there is no display or
    // the window manager publishes no window list.
    virtual bool listWindows(std::vector<TWindowObject>& windows) = 0;
};

// The windows of the display the program runs on.
std::unique_ptr<WindowSource> createWindowSource();

} // namespace vespera
