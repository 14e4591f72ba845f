#pragma once

#include <QObject>

namespace vespera {

// Tells when the machine goes to standby or hibernation and when it has come back.
class ResumeWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void suspending();
    void resumed();
};

} // namespace vespera
