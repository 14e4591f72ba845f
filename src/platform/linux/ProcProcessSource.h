#pragma once

#include "platform/ProcessSource.h"
#include "platform/linux/ProcFile.h"
#include "platform/linux/ProcStatFiles.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

namespace vespera {

// Processes from the numbered folders below the proc folder: the name and times from "PID/stat", the
// program file from the link "PID/exe". A name may hold blanks and parentheses: it runs from the first
// "(" to the last ")". A program file replaced or removed while the process runs keeps its path (the
// kernel's " (deleted)" mark is dropped). A thread's id reads like a process's, but its exit signal is
// -1: it is no process. The tick is CLOCK_MONOTONIC in milliseconds. The newest id is the last field of
// the proc folder's "loadavg", which stays open.
class ProcProcessSource : public ProcessSource {
public:
    using Tick = std::function<std::uint32_t()>;

    explicit ProcProcessSource(const QString& procRoot = QStringLiteral("/proc"), Tick tick = {});

    bool listProcessIds(std::vector<std::uint32_t>& ids) override;
    bool readProcess(std::uint32_t id, ProcessStat& out) override;
    QString imagePath(std::uint32_t id) override;
    std::uint32_t tickCount() override;
    bool newestId(std::uint32_t& id) override;

private:
    const char* entryPath(std::uint32_t id, const char* entry);

    QByteArray root_;
    Tick tick_;
    std::uint64_t ticksPerSecond_;
    std::string path_; // retained, so a reading allocates nothing
    ProcFile loadAverage_;
    ProcStatFiles stats_;
};

} // namespace vespera
