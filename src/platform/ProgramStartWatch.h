#pragma once

#include <QStringList>

#include <memory>

namespace vespera {

// Tells when program files are opened. Starting a program opens its file, so a process that turns into
// a watched program without a new process being made shows here.
class ProgramStartWatch {
public:
    // Opened: a file was opened since the last call, or the watch was set up (again), so that anything
    // may have started unseen before. Unwatched: a file cannot be watched (missing, no watch left); the
    // next call tries again.
    enum class Seen { Nothing, Opened, Unwatched };

    virtual ~ProgramStartWatch() = default;
    // Watches these files from now on, in place of the ones before; none: nothing is kept open.
    virtual void watch(const QStringList& paths) = 0;
    // What happened since the last call. Unwatched also while no file is watched.
    virtual Seen poll() = 0;
};

// Program starts of this system.
std::unique_ptr<ProgramStartWatch> createProgramStartWatch();

} // namespace vespera
