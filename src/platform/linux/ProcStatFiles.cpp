#include "platform/linux/ProcStatFiles.h"

#include "platform/linux/ProcEntryPath.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace vespera {

namespace {

// A process's "stat" is a line of a few hundred bytes, rendered as one piece.
constexpr std::size_t StatSize = 1024;

} // namespace

ProcStatFiles::ProcStatFiles(QByteArray root) : root_(std::move(root)) {
    kept_.reserve(Capacity);
}

std::optional<std::string_view> ProcStatFiles::read(std::uint32_t id) {
    ++readings_;
    const auto kept = std::find_if(kept_.begin(), kept_.end(), [id](const Kept& k) { return k.id == id; });
    if (kept != kept_.end()) {
        const std::optional<std::string_view> text = kept->file.read();
        if (!text) {
            kept_.erase(kept);
            return std::nullopt;
        }
        kept->lastRead = readings_;
        return text;
    }
    const auto noted = std::find(noted_.begin(), noted_.end(), id);
    if (noted == noted_.end() || id == 0) {
        noted_[nextNote_] = id;
        nextNote_ = (nextNote_ + 1) % noted_.size();
        return readOnce(id);
    }
    *noted = 0;
    if (kept_.size() == Capacity)
        kept_.erase(std::min_element(kept_.begin(), kept_.end(),
                                     [](const Kept& a, const Kept& b) { return a.lastRead < b.lastRead; }));
    kept_.push_back(
        {id, readings_, ProcFile(pathOf(id), StatSize, StatSize, StatSize, ProcFile::Rendered::WholeAtOnce)});
    const std::optional<std::string_view> text = kept_.back().file.read();
    if (!text)
        kept_.pop_back();
    return text;
}

const char* ProcStatFiles::pathOf(std::uint32_t id) {
    return procEntryPath(path_, root_, id, "stat");
}

// Opened, read and closed: one reading leaves room in the buffer and has the whole line.
std::optional<std::string_view> ProcStatFiles::readOnce(std::uint32_t id) {
    const int fd = ::open(pathOf(id), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    ssize_t got = 0;
    do
        got = ::read(fd, buffer_.data(), buffer_.size());
    while (got < 0 && errno == EINTR);
    ::close(fd);
    if (got <= 0)
        return std::nullopt;
    return std::string_view(buffer_.data(), static_cast<std::size_t>(got));
}

} // namespace vespera
