#include "engine/DryRunPowerBackend.h"

#include <ostream>

namespace vespera {

DryRunPowerBackend::DryRunPowerBackend(std::ostream& out) : out_(out) {}

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
    out_ << "Vespera: dry run: " << action << std::endl;
    return PowerResult::success();
}

} // namespace vespera
