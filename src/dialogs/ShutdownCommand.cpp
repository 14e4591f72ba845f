#include "dialogs/ShutdownCommand.h"

#include "dialogs/ShellWords.h"
#include "settings/Settings.h"

#include <QFileInfo>

namespace vespera {

std::optional<ShutdownCommand> ShutdownCommand::fromSettings(const Settings& settings) {
    if (!settings.fexeafter)
        return std::nullopt;
    // A folder is not a file: like a missing file it launches nothing.
    const QFileInfo file(settings.fexepath.trimmed());
    if (settings.fexepath.trimmed().isEmpty() || !file.isFile())
        return std::nullopt;
    ShutdownCommand command;
    command.file = file.absoluteFilePath();
    command.directory = file.absolutePath();
    command.arguments = splitShellWords(settings.fexeparam);
    command.method = settings.fexemethod == 1 ? Method::ExecuteAndWait : Method::ExecuteOnly;
    return command;
}

QString ShutdownCommand::name() const {
    return QFileInfo(file).fileName();
}

} // namespace vespera
