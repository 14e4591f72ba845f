#pragma once

#include "platform/PowerResult.h"

#include <QString>

namespace vespera {

enum class PowerRequest { PowerOff, Reboot, Suspend, Hibernate, LogOff };

// The machine's power and logon requests. Each call asks the system once, without asking the user
// anything, and reports whether the system accepted the request.
class PowerBackend {
public:
    virtual ~PowerBackend() = default;
    virtual PowerResult powerOff() = 0;
    virtual PowerResult reboot() = 0;
    virtual PowerResult suspend() = 0;
    virtual PowerResult hibernate() = 0;
    // Ends the user's own desktop session.
    virtual PowerResult logOff() = 0;
    // True when hibernating would be carried out without further authentication.
    virtual bool canHibernate() = 0;
    // Whether the request would be carried out without asking anyone: "yes", or the system's answer
    // otherwise ("challenge" when a password would be asked, "no", "na"), or the error that kept the
    // question from being answered.
    virtual QString canRequest(PowerRequest request) = 0;
};

} // namespace vespera
