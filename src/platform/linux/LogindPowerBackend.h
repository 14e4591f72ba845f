#pragma once

#include "platform/PowerBackend.h"

#include <QDBusConnection>
#include <QString>

class QDBusMessage;

namespace vespera {

// The power actions through systemd-logind (org.freedesktop.login1) on the given bus. Every request is
// non-interactive: when polkit would have to ask for a password, logind refuses, and the refusal is
// reported rather than a dialog shown to a user who is not there.
class LogindPowerBackend : public PowerBackend {
public:
    // `fallbackSessionId` ($XDG_SESSION_ID) names the session to end when logind knows none for this
    // process, as for a program started by the user's service manager rather than inside the session.
    LogindPowerBackend(const QDBusConnection& bus, const QString& fallbackSessionId);

    PowerResult powerOff() override;
    PowerResult reboot() override;
    PowerResult suspend() override;
    PowerResult hibernate() override;
    PowerResult logOff() override;
    bool canHibernate() override;
    QString canRequest(PowerRequest request) override;

private:
    PowerResult managerAction(const QString& method);
    QDBusMessage ownSession() const;
    QDBusMessage call(const QDBusMessage& message, int timeoutMs) const;

    QDBusConnection bus_;
    QString fallbackSessionId_;
};

} // namespace vespera
