#include "sensors/WindowList.h"

#include <algorithm>

namespace vespera {

TWindowList::TWindowList(WindowSource& source) {
    if (!source.listWindows(windows_))
        windows_.clear();
}

bool IsProgramWindow(const TWindowObject& window) {
    return window.visible && window.owner == 0 && !window.toolWindow;
}

QString GetWindowProcessPath(const TWindowObject& window, const std::vector<ProcessPath>& processes) {
    const auto it = std::find_if(processes.begin(), processes.end(),
                                 [&](const ProcessPath& p) { return p.processId == window.processId; });
    return window.processId != 0 && it != processes.end() ? it->path : QString();
}

void ListProgramWindows(QStringList& list, WindowSource& windows, ProcessSource& processes) {
    const TWindowList snapshot(windows);
    std::vector<ProcessPath> paths;
    ListProcessesWithIds(processes, paths);
    QStringList entries;
    for (int i = 0; i < snapshot.count(); ++i) {
        const TWindowObject window = snapshot.Item(i);
        if (window.visible && window.enabled && IsProgramWindow(window))
            entries << window.caption + QStringLiteral(" -> ") + GetWindowProcessPath(window, paths);
    }
    if (!entries.isEmpty())
        list = entries;
}

} // namespace vespera
