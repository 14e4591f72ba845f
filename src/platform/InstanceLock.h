#pragma once

#include <QString>

namespace vespera {

// Holds the one-copy-per-logon lock for the life of the process. The system releases it when the
// process ends, however it ends, so a crashed copy leaves nothing stale behind.
class InstanceLock {
public:
    enum class State {
        Acquired,      // this process holds the lock
        HeldElsewhere, // another copy holds it
        Unavailable,   // the lock could not be made: problem() says where and why
    };

    // Tries to take the lock of the given name in the user's run-time folder.
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Why the lock could not be made, naming the folder or file and the system's error.
    const QString& problem() const { return problem_; }

private:
    int handle_ = -1;
    State state_ = State::Unavailable;
    QString problem_;
};

} // namespace vespera
