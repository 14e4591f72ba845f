#pragma once

#include "platform/WatchReceiver.h"

#include <QSocketNotifier>

#include <memory>

namespace vespera {

// The receiver as a pipe: the library writes records to its write end; the read end wakes this thread's
// event loop, which reads every whole record waiting and hands each on. Both ends are non-blocking, so
// a program that does not read makes the library drop records instead of waiting.
class PipeWatchReceiver : public WatchReceiver {
public:
    // Opens the pipe; valid() tells whether that worked.
    explicit PipeWatchReceiver(WatchDispatch dispatch);
    ~PipeWatchReceiver() override;
    PipeWatchReceiver(const PipeWatchReceiver&) = delete;
    PipeWatchReceiver& operator=(const PipeWatchReceiver&) = delete;

    bool valid() const { return notifier_ != nullptr; }
    std::int32_t handle() const override { return writeEnd_; }

private:
    void readRecords();

    WatchDispatch dispatch_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    bool reading_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace vespera
