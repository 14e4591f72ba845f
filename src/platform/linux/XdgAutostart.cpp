// The autostart entry as a desktop entry in the XDG autostart folder, which desktop sessions read
// at logon.
#include "platform/Autostart.h"

#include "settings/AtomicFile.h"
#include "settings/SettingsWriteError.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace vespera {

namespace {

// Characters that make the desktop-entry rules require a quoted argument.
constexpr QStringView ReservedCharacters = u" \t\n\"'\\><~|&;$*?#()`";

bool needsQuotes(const QString& argument) {
    return argument.isEmpty() ||
           std::ranges::any_of(argument, [](QChar c) { return ReservedCharacters.contains(c); });
}

// One argument of an Exec line: quoted in double quotes when needed, with '"', '`', '$' and '\'
// escaped by a backslash inside the quotes; '%' doubled since it starts a field code.
QString execArgument(const QString& argument) {
    QString quoted;
    for (const QChar c : argument) {
        if (c == u'%')
            quoted += u'%';
        else if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    return needsQuotes(argument) ? u'"' + quoted + u'"' : quoted;
}

// A value of the string type escapes the backslash and the control characters once more.
QString escapedValue(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += c;
    }
    return escaped;
}

QByteArray desktopEntry(const QString& programFile) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Vespera\n"
                          "Exec=%1\n"
                          "Terminal=false\n")
        .arg(escapedValue(execArgument(programFile)))
        .toUtf8();
}

} // namespace

Autostart::Autostart(QString configFolder) : configFolder_(std::move(configFolder)) {}

QString Autostart::entryPath() const {
    return configFolder_ + QStringLiteral("/autostart/Kestrelbook.desktop");
}

void Autostart::addAutostartEntry(const QString& programFile) const {
    writeFileAtomically(entryPath(), desktopEntry(programFile));
}

void Autostart::removeAutostartEntry() const {
    QFile entry(entryPath());
    if (!entry.exists() || entry.remove())
        return;
    throw SettingsWriteError(QStringLiteral("Cannot remove \"%1\": %2")
                                 .arg(QDir::toNativeSeparators(entry.fileName()), entry.errorString()));
}

} // namespace vespera
