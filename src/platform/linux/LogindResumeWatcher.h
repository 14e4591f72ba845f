#pragma once

#include "platform/ResumeWatcher.h"

#include <QDBusConnection>

namespace vespera {

// Listens for logind's PrepareForSleep signal on the given bus: PrepareForSleep(false) means the
// machine has resumed. It takes no inhibitor lock, so it never delays a suspend; on Linux that is the
// answer "yes" to every suspend query.
class LogindResumeWatcher : public ResumeWatcher {
    Q_OBJECT
public:
    explicit LogindResumeWatcher(const QDBusConnection& bus, QObject* parent = nullptr);

    // False when the bus could not be reached; the program then simply hears of no resume.
    bool listening() const { return listening_; }

private Q_SLOTS:
    void onPrepareForSleep(bool goingToSleep);

private:
    QDBusConnection bus_;
    bool listening_ = false;
};

} // namespace vespera
