#include "engine/DryRunPowerBackend.h"

#include <ostream>
#include <string>

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

// One piece, so that on the unbuffered error stream the line reaches the terminal in one write, whole
// among the output of a user command that runs beside the program.
PowerResult DryRunPowerBackend::note(const char* action) {
    out_ << std::string("Vespera: dry run: ") + action + '\n' << std::flush;
    return PowerResult::success();
}

} // namespace vespera
