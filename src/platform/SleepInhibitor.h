#pragma once

#include <QString>

namespace vespera {

// Keeps the desktop session from suspending or locking itself for idleness while it is held.
class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;
    // Takes the inhibitor with the reason the desktop shows; false (with lastError()) when none could
    // be taken. Holding it already changes nothing.
    virtual bool hold(const QString& reason) = 0;
    // Gives it back; not holding it changes nothing.
    virtual void release() = 0;
    virtual bool holding() const = 0;
    virtual QString lastError() const = 0;
};

} // namespace vespera
