#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace vespera {

class ProcessSource;

// A running process by the full path of its program.
struct ProcessPath {
    std::uint32_t processId = 0;
    QString path;
};

// Clears the list and fills it with the program paths of all running processes, in the system's order;
// a process whose path cannot be found is left out.
void ListProcessPaths(ProcessSource& source, QStringList& list);

// The program path of a process; empty when it cannot be found.
QString GetProcessImagePath(ProcessSource& source, std::uint32_t processId);

// Paths here already begin at the root of the one file tree: the path itself.
QString DevicePathToDrivePath(const QString& path);

// The running processes whose program path can be found, each with its id, in the system's order.
// False when no process list can be taken.
bool ListProcessesWithIds(ProcessSource& source, std::vector<ProcessPath>& processes);

} // namespace vespera
