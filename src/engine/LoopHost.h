#pragma once

#include <QString>

namespace vespera {

// What the monitoring tick asks of the window that owns it. The main window implements it; tests
// record the calls.
class LoopHost {
public:
    virtual ~LoopHost() = default;
    // Untick the arm check box; its handler stops the tick and clears the status line.
    virtual void disarm() = 0;
    // The information panel: the watched program's status while the process condition is on,
    // otherwise the system information.
    virtual void showProcessStatus() = 0;
    virtual void refreshSystemInfo() = 0;
    // The full-screen countdown with the remaining seconds, and its close.
    virtual void showCountdown(int remaining) = 0;
    virtual void closeCountdown() = 0;
    virtual void setCountdownText(const QString& text) = 0;
    // Stop the monitoring timer (the watch stays armed).
    virtual void stopTick() = 0;
    // The user's command before the action (runs and, if asked, waits).
    virtual void runShutdownCommand() = 0;
    // Switch off, restart, suspend, hibernate or log off, by the stored action name.
    virtual void performAction(const QString& actionName) = 0;
};

// The four state conditions, in the order the tick tests them.
enum class StateCondition { Processor, Process, Input, Network };

// The sensors that are not plain numbers in the watch state.
class LoopSensors {
public:
    virtual ~LoopSensors() = default;
    // Why the condition cannot measure in this tick (no display, a failed read, a library that did not
    // load), as the status line shows it; empty while it measures. The tick counts a condition that
    // cannot measure as busy, so missing data never lets the count run out.
    virtual QString unmeasuredReason(StateCondition condition) = 0;
    // Refreshes the watched program's status text, then tells whether the program is still at work.
    virtual bool processBusy() = 0;
    // The watched program's name and processor share, for the line that says why the count restarted.
    virtual QString processDescription() { return {}; }
    // The clock stands at the scheduled second.
    virtual bool scheduleMatches() = 0;
    // The schedule line of the status text, ending in the action's short text.
    virtual QString scheduleDescription(const QString& actionShortText) = 0;
};

} // namespace vespera
