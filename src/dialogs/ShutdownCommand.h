#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vespera {

struct Settings;

// The user's command that runs when the watch fires, just before the action, as the settings
// "fexeafter", "fexemethod", "fexepath" and "fexeparam" describe it.
struct ShutdownCommand {
    enum class Method { ExecuteOnly, ExecuteAndWait };

    QString file;          // full path of the program or document
    QString directory;     // its folder, where it runs
    QStringList arguments; // the parameter string split into words
    Method method = Method::ExecuteOnly;

    // The command of the settings, or nothing when the setting is off or no file lies at the path
    // (then nothing is launched and nobody is told). A method other than 1 means "execute only".
    static std::optional<ShutdownCommand> fromSettings(const Settings& settings);

    // The name the user knows the command by: the file's name.
    QString name() const;
};

} // namespace vespera
