#include "engine/PowerActions.h"

#include "l10n/TextSource.h"
#include "platform/PowerBackend.h"

#include <utility>

namespace vespera {

PowerActions::PowerActions(PowerBackend& backend, LineWriter errors)
    : backend_(backend), errors_(std::move(errors)) {}

bool PowerActions::hibernateAllowed() {
    return backend_.canHibernate();
}

PowerResult PowerActions::performAction(const QString& actionName) {
    const ActionKind kind = actionKindForName(actionName);
    PowerResult result;
    if (kind == ActionKind::Standby)
        result = suspendMachine(false);
    else if (kind == ActionKind::Hibernate)
        result = suspendMachine(true);
    else
        result = exitWindowsPrivileged(kind);
    if (!result.ok)
        errors_(QStringLiteral("Vespera: \"") + actionName + QStringLiteral("\" failed: ") +
                result.describe());
    return result;
}

QString PowerActions::failureLine(const PowerResult& result, const TextSource& texts) {
    if (result.ok)
        return {};
    return texts.lookupText(FailureLineKey) + result.describe();
}

// Hibernation where it is not allowed is a suspend.
ActionKind PowerActions::performedKind(const QString& actionName) {
    const ActionKind kind = actionKindForName(actionName);
    return kind == ActionKind::Hibernate && !backend_.canHibernate() ? ActionKind::Standby : kind;
}

QString PowerActions::readinessWarning(const QString& actionName, const TextSource& texts) {
    const ActionKind kind = performedKind(actionName);
    const PowerRequest requests[] = {PowerRequest::PowerOff, PowerRequest::Hibernate, PowerRequest::Suspend,
                                     PowerRequest::Reboot, PowerRequest::LogOff};
    const QString answer = backend_.canRequest(requests[static_cast<int>(kind)]);
    if (answer == u"yes")
        return {};
    const QString action = texts.lookupText(QStringLiteral("IDS_%1").arg(1010 + static_cast<int>(kind)));
    if (answer == u"challenge")
        return texts.lookupText(QStringLiteral("IDS_1001")).arg(action);
    if (answer == u"no")
        return texts.lookupText(QStringLiteral("IDS_1002")).arg(action);
    if (answer == u"na")
        return texts.lookupText(QStringLiteral("IDS_1003")).arg(action);
    return texts.lookupText(QStringLiteral("IDS_1004")).arg(action, answer);
}

// Ending the logon or the machine. The system decides on its own whether this user may do so; there
// is no privilege of the process to switch on first.
PowerResult PowerActions::exitWindowsPrivileged(ActionKind kind) {
    switch (kind) {
    case ActionKind::Reboot:
        return backend_.reboot();
    case ActionKind::LogOff:
        return backend_.logOff();
    default:
        return backend_.powerOff();
    }
}

PowerResult PowerActions::suspendMachine(bool hibernate) {
    if (!hibernate)
        return backend_.suspend();
    if (backend_.canHibernate())
        return backend_.hibernate();
    errors_(QStringLiteral("Vespera: hibernation is not allowed on this machine; suspending instead"));
    return backend_.suspend();
}

} // namespace vespera
