#include "platform/linux/ProcNetDevIPHelper.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <limits.h>
#include <net/if.h>
#include <net/if_arp.h>
#include <unistd.h>

namespace vespera {

namespace {

constexpr std::size_t BufferStep = 16 * 1024;
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

// Takes one blank-separated run of decimal digits at `p` and moves `p` past it. False for anything else.
bool takeDigits(const char*& p, const char* end, std::string_view& digits) {
    while (p != end && isBlank(*p))
        ++p;
    const char* const first = p;
    while (p != end && isDigit(*p))
        ++p;
    digits = {first, static_cast<std::size_t>(p - first)};
    return !digits.empty() && (p == end || isBlank(*p));
}

// "  eth0: 1 2 ... 16": the name, a colon, sixteen counters of at most 2^64 - 1 and nothing else. The
// table is read every second and only the two byte counters are used, so the others are only checked.
bool parseRow(std::string_view line, TMIBIfRow& row) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view name = trimmed(line.substr(0, colon));
    if (name.empty() || !row.setDescription(name))
        return false;
    const char* p = line.data() + colon + 1;
    const char* const end = line.data() + line.size();
    constexpr std::size_t SafeDigits = 19; // every number of 19 digits fits 64 bits
    std::uint64_t received = 0;
    std::uint64_t transmitted = 0;
    for (std::size_t counter = 0; counter < CounterCount; ++counter) {
        std::string_view digits;
        if (!takeDigits(p, end, digits))
            return false;
        std::uint64_t value = 0;
        const bool used = counter == ReceiveBytes || counter == TransmitBytes;
        if ((used || digits.size() > SafeDigits) &&
            std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
            return false;
        if (counter == ReceiveBytes)
            received = value;
        else if (counter == TransmitBytes)
            transmitted = value;
    }
    if (!trimmed({p, static_cast<std::size_t>(end - p)}).empty())
        return false;
    row.dwInOctets = static_cast<std::uint32_t>(received);
    row.dwOutOctets = static_cast<std::uint32_t>(transmitted);
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

// A small sys file holding one number, decimal or "0x" hexadecimal; nothing when it is missing or holds
// something else.
std::optional<unsigned long long> readNumberFile(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::array<char, 32> text{};
    ssize_t got = -1;
    do
        got = ::read(fd, text.data(), text.size() - 1);
    while (got < 0 && errno == EINTR);
    ::close(fd);
    if (got <= 0 || !isDigit(text[0]))
        return std::nullopt;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.data(), &end, 0);
    return *end == '\n' || *end == '\0' ? std::optional(value) : std::nullopt;
}

} // namespace

ProcNetDevIPHelper::ProcNetDevIPHelper(const QString& procRoot, const QString& sysRoot)
    : file_(QFile::encodeName(procRoot + QStringLiteral("/net/dev")), BufferStep, BufferStep, MaxBufferSize,
            ProcFile::Rendered::LineByLine),
      sysNet_(QFile::encodeName(sysRoot + QStringLiteral("/class/net/"))) {}

void ProcNetDevIPHelper::ReadInterfaceTable(TMIBIfArray& table) {
    table.clear();
    const std::optional<std::string_view> text = file_.read();
    if (!text || !parseTable(*text, table)) {
        table.clear();
        previous_.clear();
        return;
    }
    bool sameNames = table.size() == previous_.size();
    for (std::size_t i = 0; i < table.size(); ++i) {
        TMIBIfRow& row = table[i];
        const bool known = i < previous_.size() && previous_[i].description() == row.description();
        row.dwType = known ? previous_[i].dwType : typeOf(row.description());
        sameNames = sameNames && known;
    }
    if (!sameNames)
        previous_ = table; // only the names and types are looked up again
}

std::uint32_t ProcNetDevIPHelper::typeOf(std::string_view name) const {
    return isLoopback(name) ? TMIBIfRow::TypeSoftwareLoopback : TMIBIfRow::TypeOther;
}

// The kernel's marks of a loopback device: its hardware type, and the loopback bit of its flags.
bool ProcNetDevIPHelper::isLoopback(std::string_view name) const {
    if (name.find('/') != std::string_view::npos || name == "." || name == "..")
        return false;
    std::array<char, PATH_MAX> path{};
    const auto fileOf = [&](std::string_view file) {
        const std::size_t length = static_cast<std::size_t>(sysNet_.size()) + name.size() + 1 + file.size();
        if (length >= path.size())
            return false;
        char* p = std::copy(sysNet_.begin(), sysNet_.end(), path.data());
        p = std::copy(name.begin(), name.end(), p);
        *p++ = '/';
        *std::copy(file.begin(), file.end(), p) = '\0';
        return true;
    };
    if (fileOf("type") && readNumberFile(path.data()) == ARPHRD_LOOPBACK)
        return true;
    return fileOf("flags") && (readNumberFile(path.data()).value_or(0) & IFF_LOOPBACK) != 0;
}

std::unique_ptr<IPHelper> createIPHelper() {
    return std::make_unique<ProcNetDevIPHelper>(QStringLiteral("/proc"), QStringLiteral("/sys"));
}

} // namespace vespera
