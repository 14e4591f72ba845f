#include "platform/PowerSystem.h"

#include "engine/DryRunPowerBackend.h"
#include "platform/linux/LogindPowerBackend.h"
#include "platform/linux/LogindResumeWatcher.h"

#include <QDBusConnection>
#include <QProcessEnvironment>

namespace vespera {

PowerSystem openPowerSystem(const QProcessEnvironment& environment, std::ostream& dryRunLog) {
    // libdbus takes the address from DBUS_SYSTEM_BUS_ADDRESS when it is set, the standard socket otherwise.
    const QDBusConnection bus = QDBusConnection::systemBus();
    PowerSystem system;
    if (environment.value(QStringLiteral("VESPERA_DRY_RUN")) == u"1")
        system.backend = std::make_unique<DryRunPowerBackend>(dryRunLog);
    else
        system.backend =
            std::make_unique<LogindPowerBackend>(bus, environment.value(QStringLiteral("XDG_SESSION_ID")));
    system.resumeWatcher = std::make_unique<LogindResumeWatcher>(bus);
    return system;
}

} // namespace vespera
