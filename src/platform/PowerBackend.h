#pragma once

#include "platform/PowerResult.h"

namespace vespera {

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
};

} // namespace vespera
