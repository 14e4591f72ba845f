#include "sensors/ProcessLoad.h"

#include "sensors/ProcessManager.h"
#include "sensors/ProcessNames.h"

#include <algorithm>

namespace vespera {

int GetProcessLoad(const TProcessManager& manager, const QString& path) {
    const QString name = asciiLower(fileNamePart(path));
    if (name.isEmpty())
        return 0;
    // Only the marked processes can match a name the manager was asked about.
    const bool marked = manager.asksAbout(name);
    int result = 0;
    for (const TCPULOAD& record : manager.GetLoads())
        if ((!marked || record.watched) && record.matchName.contains(name))
            result = std::max(result, manager.GetProcessUsage(record.processId));
    return result;
}

} // namespace vespera
