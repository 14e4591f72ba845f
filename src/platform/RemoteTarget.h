#pragma once

#include <QString>

namespace vespera {

// What the running copy tells a later start about its watch.
struct RemoteStatus {
    bool armed = false;
    QString statusLine;
    QString lastResetLine;
};

// The running copy as later starts of the program reach it. Each change goes through the window as if
// the user had made it, so it is saved the same way.
class RemoteTarget {
public:
    virtual ~RemoteTarget() = default;
    virtual void setArmed(bool armed) = 0;
    virtual RemoteStatus remoteStatus() const = 0;
    // A stored action name (see ActionNames).
    virtual void setAction(const QString& actionName) = 0;
    // A period the period selector accepts (see periodAccepted).
    virtual void setPeriod(int seconds) = 0;
};

} // namespace vespera
