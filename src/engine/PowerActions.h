#pragma once

#include "engine/ActionTable.h"
#include "engine/LineWriter.h"
#include "platform/PowerResult.h"

#include <QString>

namespace vespera {

class PowerBackend;
class TextSource;

// Carries out the stored action through the power backend and reports whether the system accepted
// it. Failures are also written as lines (to standard error in the program).
class PowerActions {
public:
    // Key of the line the window adds below the "Fertig - " status line when the action failed.
    static inline const QString FailureLineKey = QStringLiteral("IDS_900");

    PowerActions(PowerBackend& backend, LineWriter errors);

    // Whether the action selector lists hibernation. Asked anew each time, since swap space and the
    // system's policy can change while the program runs.
    bool hibernateAllowed();

    // Makes the call a stored action name stands for. Every name other than "Ausschalten", "Reboot",
    // "Standby" and "Abmelden" hibernates; where hibernation is not allowed the machine is suspended
    // instead, which is what the selector (showing "Standby" in that entry) announced.
    PowerResult performAction(const QString& actionName);

    // "Die Aktion ist fehlgeschlagen: <the system's words>" for a failed result, empty otherwise.
    static QString failureLine(const PowerResult& result, const TextSource& texts);

    // Asks the system whether the stored action would be carried out without asking anyone, and
    // returns the warning the status line shows when not ("Achtung: Ausschalten ist hier nicht ohne
    // Passwort erlaubt (polkit)"), or an empty text when it would.
    QString readinessWarning(const QString& actionName, const TextSource& texts);

private:
    ActionKind performedKind(const QString& actionName);
    PowerResult exitWindowsPrivileged(ActionKind kind);
    PowerResult suspendMachine(bool hibernate);

    PowerBackend& backend_;
    LineWriter errors_;
};

} // namespace vespera
