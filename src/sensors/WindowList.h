#pragma once

#include "platform/WindowSource.h"
#include "sensors/ProcessPaths.h"

#include <QStringList>

#include <vector>

namespace vespera {

class ProcessSource;

// A snapshot of the desktop's top-level windows, taken once when it is made; windows opened or closed
// later are not in it. Empty when the windows cannot be listed.
class TWindowList {
public:
    explicit TWindowList(WindowSource& source);

    int count() const { return static_cast<int>(windows_.size()); }
    // A copy of one window's record.
    TWindowObject Item(int index) const { return windows_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<TWindowObject> windows_;
};

// A program's own window: shown, owned by no other window, and no tool window.
bool IsProgramWindow(const TWindowObject& window);

// The program path of the process that shows the window, from a process list; empty when unknown.
QString GetWindowProcessPath(const TWindowObject& window, const std::vector<ProcessPath>& processes);

// One entry per shown, enabled program window: its caption, " -> " and its program's path. The list is
// replaced only when at least one entry was built. The processes are listed once for all windows.
void ListProgramWindows(QStringList& list, WindowSource& windows, ProcessSource& processes);

} // namespace vespera
