#pragma once

#include <QString>

namespace vespera {

// Holds the one-copy-per-logon lock for the life of the process. The system releases it when the
// process ends, however it ends, so a crashed copy leaves nothing stale behind.
class InstanceLock {
public:
    // Tries to take the lock of the given name. acquired() tells whether this process holds it.
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool acquired() const { return handle_ >= 0; }

private:
    int handle_ = -1;
};

} // namespace vespera
