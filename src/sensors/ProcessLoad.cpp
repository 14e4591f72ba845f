#include "sensors/ProcessLoad.h"

#include "sensors/ProcessManager.h"
#include "sensors/ProcessNames.h"

#include <algorithm>

namespace vespera {

int GetProcessLoad(const TProcessManager& manager, const QString& path) {
    const QString name = asciiLower(fileNamePart(path));
    if (name.isEmpty())
        return 0;
    int result = 0;
    for (const TCPULOAD& record : manager.GetLoads())
        if (record.matchName.contains(name))
            result = std::max(result, manager.GetProcessUsage(record.processId));
    return result;
}

} // namespace vespera
