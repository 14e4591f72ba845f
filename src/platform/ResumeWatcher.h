#pragma once

#include <QObject>

namespace vespera {

// Tells when the machine has come back from standby or hibernation.
class ResumeWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    void resumed();
};

} // namespace vespera
