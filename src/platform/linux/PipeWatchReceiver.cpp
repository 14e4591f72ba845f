#include "platform/linux/PipeWatchReceiver.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

namespace vespera {

PipeWatchReceiver::PipeWatchReceiver(WatchDispatch dispatch) : dispatch_(std::move(dispatch)) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = ends[0];
    // 0 means "no receiver" to the library: a write end that got descriptor 0 moves up.
    writeEnd_ = ends[1] != 0 ? ends[1] : fcntl(ends[1], F_DUPFD_CLOEXEC, 3);
    if (ends[1] == 0)
        close(ends[1]);
    if (writeEnd_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { readRecords(); });
}

// A handler may end the receiver while it reads: then the notifier goes later and the reading loop stops.
PipeWatchReceiver::~PipeWatchReceiver() {
    *alive_ = false;
    if (notifier_ && reading_) {
        notifier_->setEnabled(false);
        notifier_.release()->deleteLater();
    }
    notifier_.reset();
    for (const int fd : {readEnd_, writeEnd_})
        if (fd >= 0)
            close(fd);
}

// Records are written whole (12 bytes, far below the pipe's atomic size), so a read never splits one.
void PipeWatchReceiver::readRecords() {
    const std::shared_ptr<bool> alive = alive_;
    const WatchDispatch dispatch = dispatch_;
    const int readEnd = readEnd_;
    reading_ = true;
    std::array<WatchRecord, 64> records;
    for (bool more = true; more && *alive;) {
        const ssize_t got = read(readEnd, records.data(), sizeof records);
        const std::size_t count = got > 0 ? static_cast<std::size_t>(got) / sizeof(WatchRecord) : 0;
        for (std::size_t i = 0; i < count && *alive; ++i)
            dispatch(records[i]);
        more = count == records.size();
    }
    if (*alive)
        reading_ = false;
}

std::unique_ptr<WatchReceiver> createWatchReceiver(WatchDispatch dispatch) {
    auto receiver = std::make_unique<PipeWatchReceiver>(std::move(dispatch));
    if (!receiver->valid())
        return nullptr;
    return receiver;
}

} // namespace vespera
