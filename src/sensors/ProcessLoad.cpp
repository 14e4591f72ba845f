#include "sensors/ProcessLoad.h"

#include "sensors/ProcessManager.h"
#include "sensors/ProcessNames.h"

#include <algorithm>

namespace vespera {

int GetProcessLoad(const TProcessManager& manager, const QString& path) {
    return programLoad(manager, path).share;
}

// Only the marked processes can match a name the manager was asked about; a process that runs the
// program at `path` carries that name, so it is among them.
ProgramLoad programLoad(const TProcessManager& manager, const QString& path) {
    const QString name = asciiLower(fileNamePart(path));
    const bool marked = !name.isEmpty() && manager.asksAbout(name);
    ProgramLoad result;
    for (const TCPULOAD& record : manager.GetLoads()) {
        if (marked && !record.watched)
            continue;
        if (sameIgnoringAsciiCase(record.imagePath, path)) {
            result.running = true;
            result.measured = result.measured && record.measured();
        }
        if (!name.isEmpty() && record.matchName.contains(name))
            result.share = std::max(result.share, manager.GetProcessUsage(record.processId));
    }
    return result;
}

} // namespace vespera
