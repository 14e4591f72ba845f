#include "sensors/ProcessPaths.h"

#include "platform/ProcessSource.h"

namespace vespera {

void ListProcessPaths(ProcessSource& source, QStringList& list) {
    list.clear();
    std::vector<ProcessPath> processes;
    ListProcessesWithIds(source, processes);
    for (const ProcessPath& process : processes)
        list << process.path;
}

QString GetProcessImagePath(ProcessSource& source, std::uint32_t processId) {
    return source.imagePath(processId);
}

QString DevicePathToDrivePath(const QString& path) {
    return path;
}

bool ListProcessesWithIds(ProcessSource& source, std::vector<ProcessPath>& processes) {
    processes.clear();
    std::vector<std::uint32_t> ids;
    if (!source.listProcessIds(ids))
        return false;
    for (const std::uint32_t id : ids) {
        const QString path = GetProcessImagePath(source, id);
        if (!path.trimmed().isEmpty())
            processes.push_back({id, path});
    }
    return true;
}

} // namespace vespera
