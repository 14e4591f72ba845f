#include "platform/linux/DBusRemoteService.h"

#include "app/CommandLine.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>

#include <unistd.h>

namespace vespera {

// The session bus admits only its own user; the caller's user is checked once more all the same.
bool DBusRemoteService::callerAllowed() {
    const QDBusReply<uint> uid = connection().interface()->serviceUid(message().service());
    if (uid.isValid() && uid.value() == getuid())
        return true;
    sendErrorReply(QDBusError::AccessDenied, QStringLiteral("another user"));
    return false;
}

void DBusRemoteService::Arm() {
    if (callerAllowed())
        target_.setArmed(true);
}

void DBusRemoteService::Disarm() {
    if (callerAllowed())
        target_.setArmed(false);
}

bool DBusRemoteService::Status(QString& statusLine, QString& lastResetLine) {
    if (!callerAllowed())
        return false;
    const RemoteStatus status = target_.remoteStatus();
    statusLine = status.statusLine;
    lastResetLine = status.lastResetLine;
    return status.armed;
}

void DBusRemoteService::SetAction(const QString& actionName) {
    if (!callerAllowed())
        return;
    const QString name = storedActionName(actionName);
    if (name.isEmpty())
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("unknown action: %1").arg(actionName));
    else
        target_.setAction(name);
}

void DBusRemoteService::SetPeriod(int seconds) {
    if (!callerAllowed())
        return;
    if (periodAccepted(seconds))
        target_.setPeriod(seconds);
    else
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("invalid period: %1").arg(seconds));
}

} // namespace vespera
