#include "platform/linux/LinuxSystemInformation.h"

#include "platform/linux/SecurityProductScan.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include <sys/utsname.h>

namespace vespera {

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a "key : value" file such as cpuinfo or meminfo, split at their first colon.
struct KeyValue {
    QByteArray key;
    QByteArray value;
};

QList<KeyValue> keyValueLines(const QByteArray& text) {
    QList<KeyValue> lines;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            lines.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    return lines;
}

QByteArray firstValue(const QList<KeyValue>& lines, const char* key) {
    const auto found = std::ranges::find(lines, QByteArray(key), &KeyValue::key);
    return found == lines.end() ? QByteArray() : found->value;
}

// The model's name by the key each architecture uses: x86 first, then older ARM, MIPS and PowerPC.
QString processorModel(const QList<KeyValue>& cpuinfo) {
    for (const char* key : {"model name", "Processor", "cpu model", "cpu"}) {
        const QByteArray value = firstValue(cpuinfo, key);
        if (!value.isEmpty())
            return QString::fromUtf8(value);
    }
    return {};
}

// A value of os-release: shell-style quoting with backslash escapes.
QString unquoted(QByteArray value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    QByteArray plain;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        plain.append(value[i]);
    }
    return QString::fromUtf8(plain);
}

QString prettyName(const QByteArray& osRelease) {
    QByteArray name;
    for (const QByteArray& line : osRelease.split('\n')) {
        if (line.startsWith("PRETTY_NAME="))
            return unquoted(line.mid(12).trimmed());
        if (line.startsWith("NAME="))
            name = line.mid(5).trimmed();
    }
    return name.isEmpty() ? QStringLiteral("Linux") : unquoted(name);
}

QString kernelMachine() {
    utsname names{};
    return ::uname(&names) == 0 ? QString::fromLatin1(names.machine) : QString();
}

// The number of a "Key:   12345 kB" line of meminfo in bytes: 0 when it is no number, nothing when the
// line is missing.
std::optional<std::uint64_t> meminfoBytes(std::string_view text, std::string_view key) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.starts_with(key) || line.size() == key.size() || line[key.size()] != ':')
            continue;
        line.remove_prefix(std::min(line.find_first_not_of(' ', key.size() + 1), line.size()));
        std::uint64_t kilobytes = 0;
        if (std::from_chars(line.data(), line.data() + line.size(), kilobytes).ec != std::errc())
            return 0;
        return kilobytes * 1024;
    }
    return std::nullopt;
}

constexpr std::size_t MeminfoSize = 4096;
constexpr std::size_t MeminfoLimit = 64 * 1024;

} // namespace

LinuxSystemInformation::LinuxSystemInformation(QString root)
    : root_(std::move(root)), meminfo_(QFile::encodeName(path(u"proc/meminfo")), MeminfoSize, MeminfoSize,
                                       MeminfoLimit, ProcFile::Rendered::WholeAtOnce) {}

QString LinuxSystemInformation::path(QStringView relative) const {
    return QDir(root_).filePath(relative.toString());
}

ProcessorFacts LinuxSystemInformation::processor() {
    const QList<KeyValue> cpuinfo = keyValueLines(readFile(path(u"proc/cpuinfo")));
    ProcessorFacts facts;
    facts.model = processorModel(cpuinfo);
    facts.logicalCount =
        static_cast<int>(std::ranges::count(cpuinfo, QByteArray("processor"), &KeyValue::key));
    const QByteArray maxKHz =
        readFile(path(u"sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq")).trimmed();
    if (!maxKHz.isEmpty())
        facts.clockMHz = static_cast<int>(maxKHz.toLongLong() / 1000);
    else
        facts.clockMHz = static_cast<int>(firstValue(cpuinfo, "cpu MHz").toDouble());
    return facts;
}

OperatingSystemFacts LinuxSystemInformation::operatingSystem() {
    QByteArray osRelease = readFile(path(u"etc/os-release"));
    if (osRelease.isEmpty())
        osRelease = readFile(path(u"usr/lib/os-release"));
    QString machine = QString::fromLatin1(readFile(path(u"proc/sys/kernel/arch")).trimmed());
    if (machine.isEmpty())
        machine = kernelMachine();
    return {prettyName(osRelease), is64BitMachine(machine)};
}

MemoryFacts LinuxSystemInformation::memory() {
    const std::string_view text = meminfo_.read().value_or(std::string_view());
    const std::optional<std::uint64_t> available = meminfoBytes(text, "MemAvailable");
    return {meminfoBytes(text, "MemTotal").value_or(0),
            available ? *available : meminfoBytes(text, "MemFree").value_or(0)}; // MemFree before 3.14
}

// A mouse or a headset reports its battery here too, with the scope "Device"; the machine's own
// has no scope or "System".
int LinuxSystemInformation::batteryPercent() {
    const QDir supplies(path(u"sys/class/power_supply"));
    for (const QString& name : supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir folder(supplies.filePath(name));
        const auto value = [&folder](const char* file) {
            return readFile(folder.filePath(QString::fromLatin1(file))).trimmed();
        };
        if (value("type") != "Battery" || value("scope") == "Device" || value("present") == "0")
            continue;
        bool ok = false;
        const int capacity = value("capacity").toInt(&ok);
        if (ok)
            return std::clamp(capacity, 0, 100);
    }
    return 0;
}

std::optional<SecurityProducts> LinuxSystemInformation::securityProducts() {
    return scanSecurityProducts(root_);
}

bool is64BitMachine(QStringView machine) {
    return machine.contains(u"64") || machine == u"s390x";
}

std::unique_ptr<SystemInformation> createSystemInformation() {
    return std::make_unique<LinuxSystemInformation>();
}

} // namespace vespera
