#include "platform/linux/SecurityProductScan.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace vespera {

namespace {

// Known scanners by the name of their resident process, in the order they are taken.
constexpr std::pair<const char*, const char*> Scanners[] = {
    {"clamd", "ClamAV"},
    {"wdavdaemon", "Microsoft Defender"},
    {"kesl", "Kaspersky Endpoint Security"},
    {"falcon-sensor", "CrowdStrike Falcon"},
};

bool allDigits(const char* name) {
    return *name != '\0' && std::all_of(name, name + std::char_traits<char>::length(name),
                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The first line of "<pid>/comm" below the open proc folder, read without opening a QFile per process:
// the walk runs every few seconds over a few hundred processes.
std::string commandName(int procFolder, const char* pid) {
    const std::string relative = std::string(pid) + "/comm";
    const int fd = ::openat(procFolder, relative.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[64];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (got <= 0)
        return {};
    std::string name(buffer, static_cast<std::size_t>(got));
    return name.substr(0, name.find('\n'));
}

// The names of the running processes; nothing when the process list cannot be read.
std::optional<std::set<std::string>> runningCommands(const QString& procRoot) {
    const auto close = [](DIR* d) { ::closedir(d); };
    const std::unique_ptr<DIR, decltype(close)> folder(::opendir(QFile::encodeName(procRoot).constData()),
                                                       close);
    if (!folder)
        return std::nullopt;
    std::set<std::string> names;
    while (const dirent* entry = ::readdir(folder.get())) {
        if (allDigits(entry->d_name))
            names.insert(commandName(::dirfd(folder.get()), entry->d_name));
    }
    return names;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ufwEnabled(const QDir& root) {
    for (const QByteArray& line : readFile(root.filePath(QStringLiteral("etc/ufw/ufw.conf"))).split('\n')) {
        if (line.trimmed().toLower().replace('"', "") == "enabled=yes")
            return true;
    }
    return false;
}

// Started at boot by one of the targets, and a ruleset that filters something: Debian's default
// configuration lets everything through.
bool nftablesEnabled(const QDir& root) {
    const QDir units(root.filePath(QStringLiteral("etc/systemd/system")));
    // A name filter would compile a pattern at every call: the suffix is compared instead.
    const QStringList folders = units.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const bool started = std::ranges::any_of(folders, [&](const QString& target) {
        return target.endsWith(QLatin1String(".wants"), Qt::CaseInsensitive) &&
               QFile::exists(units.filePath(target + QStringLiteral("/nftables.service")));
    });
    if (!started)
        return false;
    static const QRegularExpression comment(QStringLiteral("#[^\n]*"));
    static const QRegularExpression verdict(QStringLiteral("\\b(drop|reject)\\b"));
    const QString rules =
        QString::fromUtf8(readFile(root.filePath(QStringLiteral("etc/nftables.conf")))).remove(comment);
    return rules.contains(verdict);
}

QString firewall(const QDir& root, const std::set<std::string>& running) {
    if (ufwEnabled(root))
        return QStringLiteral("ufw");
    if (running.contains("firewalld"))
        return QStringLiteral("firewalld");
    if (nftablesEnabled(root))
        return QStringLiteral("nftables");
    return {};
}

QString antivirus(const std::set<std::string>& running) {
    for (const auto& [process, product] : Scanners) {
        if (running.contains(process))
            return QString::fromLatin1(product);
    }
    return {};
}

} // namespace

std::optional<SecurityProducts> scanSecurityProducts(const QString& root) {
    const QDir rootFolder(root);
    const auto running = runningCommands(rootFolder.filePath(QStringLiteral("proc")));
    if (!running)
        return std::nullopt;
    return SecurityProducts{antivirus(*running), firewall(rootFolder, *running)};
}

} // namespace vespera
