#include "platform/linux/InotifyProgramStartWatch.h"

#include <QFile>

#include <cerrno>

#include <sys/inotify.h>
#include <unistd.h>

namespace vespera {

namespace {

constexpr std::uint32_t Replaced = IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_Q_OVERFLOW;

} // namespace

InotifyProgramStartWatch::~InotifyProgramStartWatch() {
    close();
}

void InotifyProgramStartWatch::watch(const QStringList& paths) {
    if (paths == paths_)
        return;
    close();
    paths_ = paths;
}

ProgramStartWatch::Seen InotifyProgramStartWatch::poll() {
    if (paths_.isEmpty())
        return Seen::Unwatched;
    if (fd_ < 0)
        return arm() ? Seen::Opened : Seen::Unwatched;
    switch (readEvents()) {
    case Events::None:
        return Seen::Nothing;
    case Events::Opened:
        return Seen::Opened;
    case Events::Replaced:
        close();
        return arm() ? Seen::Opened : Seen::Unwatched;
    }
    return Seen::Unwatched;
}

// A new queue with every file watched, or none at all.
bool InotifyProgramStartWatch::arm() {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0)
        return false;
    for (const QString& path : paths_) {
        const QByteArray name = QFile::encodeName(path);
        if (::inotify_add_watch(fd_, name.constData(), IN_OPEN | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF) <
            0) {
            close();
            return false;
        }
    }
    return true;
}

void InotifyProgramStartWatch::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

// Everything queued; a replaced file outweighs an opened one, as it needs the watch set up again. A queue
// that cannot be read counts as replaced.
InotifyProgramStartWatch::Events InotifyProgramStartWatch::readEvents() {
    alignas(inotify_event) char buffer[4096];
    Events seen = Events::None;
    for (;;) {
        const ssize_t length = ::read(fd_, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length < 0 && errno == EAGAIN)
            return seen;
        if (length <= 0)
            return Events::Replaced;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->mask & Replaced)
                seen = Events::Replaced;
            else if (seen == Events::None)
                seen = Events::Opened;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

std::unique_ptr<ProgramStartWatch> createProgramStartWatch() {
    return std::make_unique<InotifyProgramStartWatch>();
}

} // namespace vespera
