#pragma once

#include <QString>

namespace vespera {

class TProcessManager;

// The processor share of a program in percent of one processor, found by the file name of its path:
// every process whose program name contains that name (ASCII case ignored) counts, and the busiest of
// them gives the share, so a second, idle copy never hides a busy one. 0 for an empty name or when no
// process matches.
int GetProcessLoad(const TProcessManager& manager, const QString& path);

// What the process condition asks each second, in one pass over the processes: whether a process runs
// the program at exactly `path` (ASCII case ignored), whether every such process was measured over a
// full interval, and the program's share as GetProcessLoad gives it.
struct ProgramLoad {
    bool running = false;
    bool measured = true;
    int share = 0;
};
ProgramLoad programLoad(const TProcessManager& manager, const QString& path);

} // namespace vespera
