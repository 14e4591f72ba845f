#pragma once

#include <QString>

#include <cstdint>

namespace vespera {

enum class TargetDir {
    tdApp,
    tdProgramFiles,
    tdWindows,
    tdSystem,
    tdCommonAppData,
    tdCommonDesktop,
    tdCommonProgramFiles,
    tdTempDir
};

// One file the update server offers: its name on the server and locally, its size in bytes, and
// where it is installed.
struct TServerFile {
    QString FileName;
    std::uint32_t FileSize = 0;
    TargetDir targetDir = TargetDir::tdApp;
    QString SubDir;
};

} // namespace vespera
