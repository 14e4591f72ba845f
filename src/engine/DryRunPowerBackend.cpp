#include "engine/DryRunPowerBackend.h"

#include <utility>

namespace vespera {

DryRunPowerBackend::DryRunPowerBackend(LineWriter out) : out_(std::move(out)) {}

PowerResult DryRunPowerBackend::powerOff() {
    return note("power off");
}
PowerResult DryRunPowerBackend::reboot() {
    return note("reboot");
}
PowerResult DryRunPowerBackend::suspend() {
    return note("suspend");
}
PowerResult DryRunPowerBackend::hibernate() {
    return note("hibernate");
}
PowerResult DryRunPowerBackend::logOff() {
    return note("log off");
}

PowerResult DryRunPowerBackend::note(const char* action) {
    out_(QStringLiteral("Vespera: dry run: ") + QLatin1String(action));
    return PowerResult::success();
}

} // namespace vespera
