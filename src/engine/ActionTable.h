#pragma once

#include <QString>

namespace vespera {

enum class ActionKind { PowerOff, Hibernate, Standby, Reboot, LogOff };

// The stored action names. They are German whatever the display language.
namespace ActionNames {
inline const QString PowerOff = QStringLiteral("Ausschalten");
inline const QString Hibernate = QStringLiteral("Ruhezustand");
inline const QString Standby = QStringLiteral("Standby");
inline const QString Reboot = QStringLiteral("Reboot");
inline const QString LogOff = QStringLiteral("Abmelden");
} // namespace ActionNames

// The kind the action selector's entry stands for; it decides the action texts of the status line.
ActionKind actionKindForIndex(int index, bool hibernateEntry);

// The stored name for a selector entry.
QString actionNameForIndex(int index, bool hibernateEntry);

// The selector entry that shows a stored name. "Ruhezustand" selects entry 1 in either list, and so does
// an unknown name: it hibernates (or suspends where hibernation is not allowed), as that entry says.
int actionIndexForName(const QString& name, bool hibernateEntry);

// The call a stored name makes: every unknown name asks for hibernation.
ActionKind actionKindForName(const QString& name);

// Keys of the short ("ausgeschaltet!") and long ("Ihr PC wird ausgeschaltet!") texts of a kind.
QString actionShortKey(ActionKind kind);
QString actionLongKey(ActionKind kind);

} // namespace vespera
