#include "platform/linux/ProcFile.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace vespera {

ProcFile::ProcFile(QByteArray path, std::size_t initialSize, std::size_t growth, std::size_t limit,
                   Rendered rendered)
    : path_(std::move(path)), growth_(growth), limit_(limit), rendered_(rendered), buffer_(initialSize) {}

ProcFile::ProcFile(ProcFile&& other) noexcept
    : path_(std::move(other.path_)), growth_(other.growth_), limit_(other.limit_), rendered_(other.rendered_),
      fd_(std::exchange(other.fd_, -1)), buffer_(std::move(other.buffer_)) {}

ProcFile& ProcFile::operator=(ProcFile&& other) noexcept {
    if (this != &other) {
        close();
        path_ = std::move(other.path_);
        growth_ = other.growth_;
        limit_ = other.limit_;
        rendered_ = other.rendered_;
        fd_ = std::exchange(other.fd_, -1);
        buffer_ = std::move(other.buffer_);
    }
    return *this;
}

ProcFile::~ProcFile() {
    close();
}

std::optional<std::string_view> ProcFile::read() {
    if (fd_ < 0)
        fd_ = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return std::nullopt;
    std::size_t length = 0;
    for (;;) {
        if (length == buffer_.size()) {
            if (buffer_.size() + growth_ > limit_) {
                close();
                return std::nullopt;
            }
            buffer_.resize(buffer_.size() + growth_);
        }
        const ssize_t got =
            ::pread(fd_, buffer_.data() + length, buffer_.size() - length, static_cast<off_t>(length));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            close();
            return std::nullopt;
        }
        const bool room = length + static_cast<std::size_t>(got) < buffer_.size();
        length += static_cast<std::size_t>(got);
        if (got == 0 || (room && rendered_ == Rendered::WholeAtOnce))
            return std::string_view(buffer_.data(), length);
    }
}

void ProcFile::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace vespera
