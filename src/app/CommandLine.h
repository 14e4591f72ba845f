#pragma once

#include <QString>
#include <QStringList>

namespace vespera {

// What a start asks for: nothing (the window as usual), the option list, or one change or question for
// the running copy.
enum class RemoteCommand { None, Help, Arm, Disarm, Status, Action, Period };

// A start's arguments, read. A non-empty error means they could not be read; the program then ends
// with exit code 2.
struct CommandLine {
    RemoteCommand command = RemoteCommand::None;
    QString actionName;    // a stored action name, for --action
    int periodSeconds = 0; // for --period
    QString error;
};

// Reads the arguments after the program name; exactly one option is allowed.
CommandLine parseCommandLine(const QStringList& arguments);

// The arguments without the toolkit's own options (-platform NAME, -style=NAME, -session ID, -reverse,
// ...), which the application object reads itself; they are read before that object exists.
QStringList withoutToolkitOptions(const QStringList& arguments);

// The stored action name a word names (in any letter case), or an empty string when it names none.
QString storedActionName(const QString& word);

// Whether a period can be set from outside: a fixed entry of the period selector or a user-defined
// period in its range.
bool periodAccepted(int seconds);

// The option list, in German and English.
QString commandLineHelp();

} // namespace vespera
