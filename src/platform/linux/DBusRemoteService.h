#pragma once

#include "platform/RemoteTarget.h"

#include <QDBusContext>
#include <QObject>

namespace vespera {

inline const QString RemoteServiceName = QStringLiteral("de.orbelan.Vespera");
inline const QString RemoteObjectPath = QStringLiteral("/de/orbelan/Vespera");
inline const QString RemoteInterfaceName = QStringLiteral("de.orbelan.Vespera");

// The running copy's object on the session bus. It answers callers of the same user only, and refuses
// an unknown action or a period the selector does not offer.
class DBusRemoteService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.orbelan.Vespera")
public:
    explicit DBusRemoteService(RemoteTarget& target) : target_(target) {}

public Q_SLOTS:
    void Arm();
    void Disarm();
    bool Status(QString& statusLine, QString& lastResetLine);
    void SetAction(const QString& actionName);
    void SetPeriod(int seconds);

private:
    bool callerAllowed();

    RemoteTarget& target_;
};

} // namespace vespera
