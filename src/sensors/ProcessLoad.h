#pragma once

#include <QString>

namespace vespera {

class TProcessManager;

// The processor share of a program in percent of one processor, found by the file name of its path:
// every process whose program name contains that name (ASCII case ignored) counts, and the busiest of
// them gives the share, so a second, idle copy never hides a busy one. 0 for an empty name or when no
// process matches.
int GetProcessLoad(const TProcessManager& manager, const QString& path);

} // namespace vespera
