#pragma once

#include "platform/PowerBackend.h"
#include "platform/ResumeWatcher.h"
#include "platform/SleepInhibitor.h"

#include <memory>

class QProcessEnvironment;

namespace vespera {

// The power side of the system as the program uses it: the backend that carries out the actions and
// the watcher that reports a resume.
struct PowerSystem {
    std::unique_ptr<PowerBackend> backend;
    std::unique_ptr<ResumeWatcher> resumeWatcher;
    std::unique_ptr<SleepInhibitor> inhibitor;
};

// Opens the backend and the watcher on the system bus, and the inhibitor on the session bus's desktop
// portal or else logind (DBUS_SYSTEM_BUS_ADDRESS of the process when set; XDG_SESSION_ID of
// `environment` names the session to log off). A missing bus or session manager leaves both usable:
// actions then fail with the reason, and no resume is reported.
PowerSystem openPowerSystem(const QProcessEnvironment& environment);

} // namespace vespera
