#include "platform/linux/ProcNetDevIPHelper.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

namespace vespera {

namespace {

constexpr std::size_t InitialBufferSize = 16 * 1024;
constexpr std::size_t MaxBufferSize = 16 * 1024 * 1024;
constexpr std::size_t CounterCount = 16; // eight receive counters, then eight transmit counters
constexpr std::size_t ReceiveBytes = 0;
constexpr std::size_t TransmitBytes = 8;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Takes the next line off the front of `text`; the last line may lack its line end.
bool takeLine(std::string_view& text, std::string_view& line) {
    if (text.empty())
        return false;
    const std::size_t end = text.find('\n');
    line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    return true;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads one blank-separated unsigned decimal number at `p` and moves `p` past it. False for anything
// else, and for a number above 2^64 - 1.
bool takeNumber(const char*& p, const char* end, std::uint64_t& value) {
    while (p != end && isBlank(*p))
        ++p;
    if (p == end || !isDigit(*p))
        return false;
    constexpr std::uint64_t Largest = std::numeric_limits<std::uint64_t>::max();
    value = 0;
    for (; p != end && isDigit(*p); ++p) {
        const auto digit = static_cast<std::uint64_t>(*p - '0');
        if (value > Largest / 10 || (value == Largest / 10 && digit > Largest % 10))
            return false;
        value = value * 10 + digit;
    }
    return p == end || isBlank(*p);
}

// "  eth0: 1 2 ... 16": the name, a colon, sixteen counters and nothing else.
bool parseRow(std::string_view line, TMIBIfRow& row) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view name = trimmed(line.substr(0, colon));
    if (name.empty() || !row.setDescription(name))
        return false;
    const char* p = line.data() + colon + 1;
    const char* const end = line.data() + line.size();
    std::array<std::uint64_t, CounterCount> counters{};
    for (std::uint64_t& counter : counters) {
        if (!takeNumber(p, end, counter))
            return false;
    }
    if (!trimmed({p, static_cast<std::size_t>(end - p)}).empty())
        return false;
    row.dwInOctets = static_cast<std::uint32_t>(counters[ReceiveBytes]);
    row.dwOutOctets = static_cast<std::uint32_t>(counters[TransmitBytes]);
    return true;
}

bool parseTable(std::string_view text, TMIBIfArray& table) {
    std::string_view line;
    if (!takeLine(text, line) || !line.starts_with("Inter-|"))
        return false;
    if (!takeLine(text, line) || !line.starts_with(" face |"))
        return false;
    while (takeLine(text, line)) {
        if (!parseRow(line, table.emplace_back()))
            return false;
    }
    return true;
}

} // namespace

ProcNetDevIPHelper::ProcNetDevIPHelper(const QString& procRoot)
    : path_(QFile::encodeName(procRoot + QStringLiteral("/net/dev"))), buffer_(InitialBufferSize) {}

void ProcNetDevIPHelper::ReadInterfaceTable(TMIBIfArray& table) {
    table.clear();
    std::string_view text;
    if (!readFile(text) || !parseTable(text, table))
        table.clear();
}

// The whole file; false when it cannot be opened or read, or outgrows the buffer's limit.
bool ProcNetDevIPHelper::readFile(std::string_view& text) {
    const int fd = ::open(path_.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::size_t length = 0;
    bool ok = true;
    for (;;) {
        if (length == buffer_.size()) {
            if (buffer_.size() >= MaxBufferSize) {
                ok = false;
                break;
            }
            buffer_.resize(buffer_.size() * 2);
        }
        const ssize_t got = ::read(fd, buffer_.data() + length, buffer_.size() - length);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        length += static_cast<std::size_t>(got);
    }
    ::close(fd);
    text = {buffer_.data(), length};
    return ok;
}

std::unique_ptr<IPHelper> createIPHelper() {
    return std::make_unique<ProcNetDevIPHelper>();
}

} // namespace vespera
