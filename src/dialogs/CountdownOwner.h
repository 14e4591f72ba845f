#pragma once

#include <QString>

namespace vespera {

// What the countdown window's abort does to the window that owns the watch. The main window
// implements it.
class CountdownOwner {
public:
    virtual ~CountdownOwner() = default;
    // Untick the arm check box; its handler stops the tick, clears the status line and stores the
    // watch as disarmed.
    virtual void disarm() = 0;
    // Let the tick timer follow the arm check box, and save the settings.
    virtual void ScharfStatus() = 0;
    // Stop the monitoring timer.
    virtual void stopTick() = 0;
    virtual void setStatusLine(const QString& text) = 0;
    virtual void setTrayHint(const QString& text) = 0;
};

} // namespace vespera
