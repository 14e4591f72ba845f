#include "platform/linux/ProcProcessSource.h"

#include "platform/linux/ProcEntryPath.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace vespera {

namespace {

constexpr std::uint64_t UnitsPerSecond = 10'000'000; // 100-ns units

std::uint32_t monotonicMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms =
        static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
    return static_cast<std::uint32_t>(ms);
}

bool parseId(const char* name, std::uint32_t& id) {
    const char* end = name + std::char_traits<char>::length(name);
    const auto [stop, error] = std::from_chars(name, end, id);
    return error == std::errc() && stop == end && stop != name;
}

struct StatFields {
    std::uint64_t utime = 0;
    std::uint64_t stime = 0;
    std::uint64_t start = 0;
    int exitSignal = 0; // -1 for a thread; a short line (older systems) has none
};

bool isBlank(char c) {
    return c == ' ' || c == '\n';
}

// The blank-separated fields after the name: state is field 0, utime 11, stime 12, starttime 19,
// exit_signal 35. A plain scan: the line is read for the watched programs every second.
bool parseFields(std::string_view rest, StatFields& out) {
    const char* at = rest.data();
    const char* const end = at + rest.size();
    int field = 0;
    for (; field <= 35; ++field) {
        while (at != end && isBlank(*at))
            ++at;
        if (at == end)
            break;
        const char* last = at;
        while (last != end && !isBlank(*last))
            ++last;
        std::errc error = std::errc();
        if (field == 11 || field == 12 || field == 19)
            error = std::from_chars(at, last,
                                    field == 11   ? out.utime
                                    : field == 12 ? out.stime
                                                  : out.start)
                        .ec;
        else if (field == 35)
            error = std::from_chars(at, last, out.exitSignal).ec;
        if (error != std::errc())
            return false;
        at = last;
    }
    return field > 19;
}

// "loadavg" of the proc folder: one short line.
constexpr std::size_t LoadAverageSize = 128;
constexpr std::size_t LoadAverageLimit = 4096;

// The last field of "0.42 0.37 0.30 2/158 6733".
bool parseNewestId(std::string_view text, std::uint32_t& id) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.remove_suffix(1);
    const std::size_t blank = text.rfind(' ');
    if (blank == std::string_view::npos)
        return false;
    const char* begin = text.data() + blank + 1;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(begin, end, id);
    return error == std::errc() && stop == end && stop != begin;
}

} // namespace

ProcProcessSource::ProcProcessSource(const QString& procRoot, Tick tick)
    : root_(QFile::encodeName(procRoot)), tick_(tick ? std::move(tick) : Tick(monotonicMilliseconds)),
      loadAverage_(root_ + "/loadavg", LoadAverageSize, LoadAverageSize, LoadAverageLimit,
                   ProcFile::Rendered::WholeAtOnce),
      stats_(root_) {
    const long hz = ::sysconf(_SC_CLK_TCK);
    ticksPerSecond_ = hz > 0 ? static_cast<std::uint64_t>(hz) : 100;
}

bool ProcProcessSource::listProcessIds(std::vector<std::uint32_t>& ids) {
    ids.clear();
    DIR* folder = ::opendir(root_.constData());
    if (!folder)
        return false;
    while (const dirent* entry = ::readdir(folder)) {
        std::uint32_t id = 0;
        if (parseId(entry->d_name, id))
            ids.push_back(id);
    }
    ::closedir(folder);
    if (!std::is_sorted(ids.begin(), ids.end()))
        std::sort(ids.begin(), ids.end());
    return !ids.empty();
}

bool ProcProcessSource::readProcess(std::uint32_t id, ProcessStat& out) {
    const std::optional<std::string_view> read = stats_.read(id);
    if (!read)
        return false;
    const std::string_view text = *read;
    const std::size_t open = text.find('(');
    // The name may hold ")" itself, so the last one ends it; the search runs on whole words.
    const void* last = ::memrchr(text.data(), ')', text.size());
    if (open == std::string_view::npos || !last)
        return false;
    const auto close = static_cast<std::size_t>(static_cast<const char*>(last) - text.data());
    if (close < open)
        return false;
    StatFields fields;
    if (!parseFields(text.substr(close + 1), fields) || fields.exitSignal < 0)
        return false;
    out.id = id;
    out.shortName.assign(text.substr(open + 1, close - open - 1));
    out.startTime = fields.start;
    out.userTime = fields.utime * UnitsPerSecond / ticksPerSecond_;
    out.kernelTime = fields.stime * UnitsPerSecond / ticksPerSecond_;
    return true;
}

QString ProcProcessSource::imagePath(std::uint32_t id) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(entryPath(id, "exe"), buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) == sizeof buffer)
        return {};
    std::string_view path(buffer, static_cast<std::size_t>(length));
    constexpr std::string_view Deleted = " (deleted)";
    if (path.ends_with(Deleted))
        path.remove_suffix(Deleted.size());
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::uint32_t ProcProcessSource::tickCount() {
    return tick_();
}

bool ProcProcessSource::newestId(std::uint32_t& id) {
    const std::optional<std::string_view> text = loadAverage_.read();
    return text && parseNewestId(*text, id);
}

const char* ProcProcessSource::entryPath(std::uint32_t id, const char* entry) {
    return procEntryPath(path_, root_, id, entry);
}

std::unique_ptr<ProcessSource> createProcessSource() {
    return std::make_unique<ProcProcessSource>();
}

} // namespace vespera
