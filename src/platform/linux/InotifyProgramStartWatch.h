#pragma once

#include "platform/ProgramStartWatch.h"

namespace vespera {

// Program starts through inotify: an open of a watched file (execve opens the file it runs). A file
// replaced (by an update), moved, removed or changed in its attributes is watched again under its path at
// the next call, which then reports Opened. The queue is read without waiting, once per call.
class InotifyProgramStartWatch : public ProgramStartWatch {
public:
    InotifyProgramStartWatch() = default;
    ~InotifyProgramStartWatch() override;
    InotifyProgramStartWatch(const InotifyProgramStartWatch&) = delete;
    InotifyProgramStartWatch& operator=(const InotifyProgramStartWatch&) = delete;

    void watch(const QStringList& paths) override;
    Seen poll() override;

private:
    enum class Events { None, Opened, Replaced };

    bool arm();
    void close();
    Events readEvents();

    QStringList paths_;
    int fd_ = -1;
};

} // namespace vespera
