#include "app/CommandLine.h"

#include "engine/ActionTable.h"
#include "engine/PeriodTable.h"

#include <algorithm>
#include <array>

namespace vespera {

namespace {

struct Option {
    QStringView name;
    RemoteCommand command;
    bool takesValue;
};

constexpr std::array<Option, 6> Options = {{
    {u"--help", RemoteCommand::Help, false},
    {u"--arm", RemoteCommand::Arm, false},
    {u"--disarm", RemoteCommand::Disarm, false},
    {u"--status", RemoteCommand::Status, false},
    {u"--action", RemoteCommand::Action, true},
    {u"--period", RemoteCommand::Period, true},
}};

// The toolkit's options with one dash or two; those in the first list take the next argument (or one
// after "=") as their value.
constexpr std::array<QStringView, 14> ToolkitOptionsWithValue = {u"platform",
                                                                 u"platformpluginpath",
                                                                 u"platformtheme",
                                                                 u"plugin",
                                                                 u"qwindowgeometry",
                                                                 u"geometry",
                                                                 u"qwindowicon",
                                                                 u"qwindowtitle",
                                                                 u"title",
                                                                 u"display",
                                                                 u"name",
                                                                 u"session",
                                                                 u"style",
                                                                 u"stylesheet"};
constexpr std::array<QStringView, 5> ToolkitFlags = {u"reverse", u"nograb", u"dograb", u"widgetcount",
                                                     u"testability"};

template <std::size_t N> bool listed(const std::array<QStringView, N>& names, QStringView name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments a toolkit option at the front of the list takes up, or 0 when it is none.
qsizetype toolkitOptionLength(const QStringList& arguments, qsizetype index) {
    QStringView name(arguments.at(index));
    if (!name.startsWith(u'-'))
        return 0;
    name = name.mid(name.startsWith(u"--") ? 2 : 1);
    const qsizetype equals = name.indexOf(u'=');
    if (equals > 0)
        return listed(ToolkitOptionsWithValue, name.left(equals)) ? 1 : 0;
    if (listed(ToolkitFlags, name))
        return 1;
    if (listed(ToolkitOptionsWithValue, name))
        return index + 1 < arguments.size() ? 2 : 1;
    return 0;
}

CommandLine failure(const QString& message) {
    CommandLine line;
    line.error = message;
    return line;
}

const Option* findOption(const QString& argument) {
    for (const Option& option : Options)
        if (option.name == argument)
            return &option;
    if (argument == u"-h")
        return &Options[0];
    return nullptr;
}

CommandLine withValue(RemoteCommand command, const QString& value) {
    CommandLine line;
    line.command = command;
    if (command == RemoteCommand::Action) {
        line.actionName = storedActionName(value);
        if (line.actionName.isEmpty())
            return failure(QStringLiteral("Unbekannte Aktion / unknown action: \"%1\" (Ausschalten, "
                                          "Ruhezustand, Standby, Reboot, Abmelden)")
                               .arg(value));
        return line;
    }
    bool number = false;
    line.periodSeconds = value.toInt(&number);
    if (!number || !periodAccepted(line.periodSeconds))
        return failure(QStringLiteral("Ungültiger Zeitraum / invalid period: \"%1\" (Sekunden / seconds: "
                                      "%2 bis / to %3, 900, 1800, 2700, 3600 oder / or 0)")
                           .arg(value)
                           .arg(CustomSecondsMinimum)
                           .arg(CustomSecondsMaximum));
    return line;
}

} // namespace

QString storedActionName(const QString& word) {
    for (const QString& name : {ActionNames::PowerOff, ActionNames::Hibernate, ActionNames::Standby,
                                ActionNames::Reboot, ActionNames::LogOff})
        if (name.compare(word, Qt::CaseInsensitive) == 0)
            return name;
    return QString();
}

bool periodAccepted(int seconds) {
    return periodIndexForSeconds(seconds) != CustomPeriodIndex ||
           (seconds >= CustomSecondsMinimum && seconds <= CustomSecondsMaximum);
}

CommandLine parseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return CommandLine();
    const Option* option = findOption(arguments.first());
    if (!option)
        return failure(QStringLiteral("Unbekannte Option / unknown option: \"%1\"").arg(arguments.first()));
    const qsizetype expected = option->takesValue ? 2 : 1;
    if (arguments.size() < expected)
        return failure(QStringLiteral("%1 braucht einen Wert / needs a value").arg(option->name));
    if (arguments.size() > expected)
        return failure(QStringLiteral("Nur eine Option auf einmal / only one option at a time: \"%1\"")
                           .arg(arguments.at(expected)));
    if (option->takesValue)
        return withValue(option->command, arguments.at(1));
    CommandLine line;
    line.command = option->command;
    return line;
}

QStringList withoutToolkitOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype index = 0; index < arguments.size();) {
        const qsizetype length = toolkitOptionLength(arguments, index);
        if (length == 0)
            ours.append(arguments.at(index++));
        index += length;
    }
    return ours;
}

QString commandLineHelp() {
    return QStringLiteral(
        "Aufruf / usage: vespera [OPTION]\n"
        "Ohne Option startet das Fenster. Läuft Vespera schon, geht die Option an die laufende Kopie;\n"
        "sonst startet Vespera mit der Änderung.\n"
        "Without an option the window starts. When Vespera is running, the option goes to the running\n"
        "copy; otherwise Vespera starts with the change applied.\n"
        "\n"
        "  --arm              Überwachung aktivieren / arm the watch\n"
        "  --disarm           Überwachung deaktivieren / disarm the watch\n"
        "  --status           Statuszeile und letzte Rücksetzung zeigen; Exit-Code 0 aktiviert, 3 nicht\n"
        "                     (oder Vespera läuft nicht) / print the status line and the last reset;\n"
        "                     exit code 0 when armed, 3 when not (or Vespera is not running)\n"
        "  --action NAME      Aktion wählen / choose the action:\n"
        "                     Ausschalten, Ruhezustand, Standby, Reboot, Abmelden\n"
        "  --period SECONDS   Zeitraum in Sekunden / period in seconds: 10, 30, 60, 120, 300, 600, 900,\n"
        "                     1800, 2700, 3600, 0 (sofort / at once) oder / or 1 bis / to 600\n"
        "  --help, -h         diese Hilfe / this help\n"
        "\n"
        "Falsche Argumente enden mit Exit-Code 2. / Bad arguments end with exit code 2.\n");
}

} // namespace vespera
