#include "platform/PowerSystem.h"

#include "platform/linux/DBusSleepInhibitor.h"
#include "platform/linux/LogindPowerBackend.h"
#include "platform/linux/LogindResumeWatcher.h"

#include <QDBusConnection>
#include <QProcessEnvironment>

namespace vespera {

PowerSystem openPowerSystem(const QProcessEnvironment& environment) {
    // libdbus takes the address from DBUS_SYSTEM_BUS_ADDRESS when it is set, the standard socket otherwise.
    const QDBusConnection bus = QDBusConnection::systemBus();
    PowerSystem system;
    system.backend =
        std::make_unique<LogindPowerBackend>(bus, environment.value(QStringLiteral("XDG_SESSION_ID")));
    system.resumeWatcher = std::make_unique<LogindResumeWatcher>(bus);
    system.inhibitor = std::make_unique<DBusSleepInhibitor>(QDBusConnection::sessionBus(), bus);
    return system;
}

} // namespace vespera
