// The desktop tools on Linux: each desktop brings its own programs, so the openers try a list of known
// ones. Those of the running desktops ($XDG_CURRENT_DESKTOP, a colon-separated list, in its order)
// come first, the others follow in the order of the lists. A program is taken from the directories of
// PATH by its full path and started detached.
//
// Scheduling tools: gnome-schedule (GNOME); the cron module of KDE's System Settings through kcmshell6
// or kcmshell5 (KDE); zeit, a desktop-neutral front end for cron and at.
// Power settings: gnome-control-center power (GNOME); the power-profiles module of KDE's System
// Settings through kcmshell6, kcmshell5, systemsettings or systemsettings5 (KDE);
// xfce4-power-manager-settings (Xfce); mate-power-preferences (MATE); cinnamon-settings power
// (Cinnamon).
// Documents and addresses: xdg-open, which every desktop provides.
#include "platform/DesktopTools.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

namespace vespera {

namespace {

enum class Desktop { Other, Gnome, Kde, Xfce, Mate, Cinnamon };

// kcmshell is there on every KDE desktop while the module it should show may not be installed; it
// then shows nothing at all. Such a tool is only started when its `--list` names the module.
enum class Check { None, ModuleListed };

struct Tool {
    Desktop desktop;
    const char* program;
    const char* argument; // the one argument, or nullptr
    Check check;
};

constexpr Tool SchedulingTools[] = {
    {Desktop::Gnome, "gnome-schedule", nullptr, Check::None},
    {Desktop::Kde, "kcmshell6", "kcm_cron", Check::ModuleListed},
    {Desktop::Kde, "kcmshell5", "kcm_cron", Check::ModuleListed},
    {Desktop::Other, "zeit", nullptr, Check::None},
};

constexpr Tool PowerSettingsTools[] = {
    {Desktop::Gnome, "gnome-control-center", "power", Check::None},
    {Desktop::Kde, "kcmshell6", "kcm_powerdevilprofilesconfig", Check::ModuleListed},
    {Desktop::Kde, "kcmshell5", "powerdevilprofilesconfig", Check::ModuleListed},
    {Desktop::Kde, "systemsettings", "kcm_powerdevilprofilesconfig", Check::None},
    {Desktop::Kde, "systemsettings5", "powerdevilprofilesconfig", Check::None},
    {Desktop::Xfce, "xfce4-power-manager-settings", nullptr, Check::None},
    {Desktop::Mate, "mate-power-preferences", nullptr, Check::None},
    {Desktop::Cinnamon, "cinnamon-settings", "power", Check::None},
};

// How long a module listing may take before the tool counts as unusable.
constexpr int ListingTimeoutMs = 5000;

// The registered desktop names; Cinnamon has gone by both of its names.
Desktop desktopNamed(QStringView name) {
    constexpr std::pair<const char*, Desktop> Names[] = {
        {"GNOME", Desktop::Gnome},         {"KDE", Desktop::Kde},
        {"XFCE", Desktop::Xfce},           {"MATE", Desktop::Mate},
        {"X-Cinnamon", Desktop::Cinnamon}, {"Cinnamon", Desktop::Cinnamon},
    };
    for (const auto& [registered, desktop] : Names) {
        if (name.compare(QLatin1StringView(registered), Qt::CaseInsensitive) == 0)
            return desktop;
    }
    return Desktop::Other;
}

std::vector<Desktop> runningDesktops(const QProcessEnvironment& environment) {
    std::vector<Desktop> running;
    for (const QString& name : environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(u':')) {
        const Desktop desktop = desktopNamed(name);
        if (desktop != Desktop::Other && std::ranges::find(running, desktop) == running.end())
            running.push_back(desktop);
    }
    return running;
}

std::vector<Tool> tryingOrder(std::span<const Tool> tools, const std::vector<Desktop>& running) {
    std::vector<Tool> order;
    for (const Desktop desktop : running)
        std::ranges::copy_if(tools, std::back_inserter(order),
                             [&](const Tool& t) { return t.desktop == desktop; });
    std::ranges::copy_if(tools, std::back_inserter(order), [&](const Tool& t) {
        return std::ranges::find(running, t.desktop) == running.end();
    });
    return order;
}

// Only absolute directories: an empty or relative entry of PATH would run whatever lies in the
// current directory.
QStringList searchDirectories(const QProcessEnvironment& environment) {
    QStringList directories;
    for (const QString& entry : environment.value(QStringLiteral("PATH")).split(QDir::listSeparator())) {
        if (QDir::isAbsolutePath(entry))
            directories.append(entry);
    }
    return directories;
}

// The full path of the first executable file named `program` in `directories`, or an empty string.
QString findProgram(const QString& program, const QStringList& directories) {
    for (const QString& directory : directories) {
        const QFileInfo candidate(QDir(directory).filePath(program));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return {};
}

bool listsModule(const QString& programPath, const QString& module) {
    QProcess listing;
    listing.setStandardErrorFile(QProcess::nullDevice());
    listing.start(programPath, {QStringLiteral("--list")}, QIODevice::ReadOnly);
    if (!listing.waitForFinished(ListingTimeoutMs) || listing.exitStatus() != QProcess::NormalExit)
        return false;
    // One module a line: its name, blanks, " - " and a description.
    for (const QByteArray& line : listing.readAllStandardOutput().split('\n')) {
        if (line.simplified().split(' ').constFirst() == module.toUtf8())
            return true;
    }
    return false;
}

bool startTool(const Tool& tool, const QStringList& directories) {
    const QString path = findProgram(QString::fromLatin1(tool.program), directories);
    if (path.isEmpty())
        return false;
    const QStringList arguments =
        tool.argument ? QStringList{QString::fromLatin1(tool.argument)} : QStringList();
    if (tool.check == Check::ModuleListed && !listsModule(path, arguments.constFirst()))
        return false;
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    return process.startDetached();
}

// Starts the first tool that can be started; a tool that is there but fails to start gives way to
// the next.
bool startFirst(std::span<const Tool> tools, const QProcessEnvironment& environment) {
    const QStringList directories = searchDirectories(environment);
    return std::ranges::any_of(tryingOrder(tools, runningDesktops(environment)),
                               [&](const Tool& tool) { return startTool(tool, directories); });
}

} // namespace

DesktopTools::DesktopTools(QProcessEnvironment environment) : environment_(std::move(environment)) {}

bool DesktopTools::openSchedulingTool() const {
    return startFirst(SchedulingTools, environment_);
}

bool DesktopTools::openPowerSettings() const {
    return startFirst(PowerSettingsTools, environment_);
}

// xdg-open hands the document to the desktop's handler and may wait for it: it is started detached,
// and a handler that fails after the start is not noticed.
bool DesktopTools::openDocument(const QString& fileOrAddress) const {
    const QString opener = findProgram(QStringLiteral("xdg-open"), searchDirectories(environment_));
    return !opener.isEmpty() && QProcess::startDetached(opener, {fileOrAddress});
}

} // namespace vespera
