#include "platform/linux/LogindResumeWatcher.h"

namespace vespera {

// QDBusConnection::connect takes only a slot signature, no functor.
LogindResumeWatcher::LogindResumeWatcher(const QDBusConnection& bus, QObject* parent)
    : ResumeWatcher(parent), bus_(bus) {
    listening_ =
        bus_.isConnected() &&
        bus_.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                     QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                     this, SLOT(onPrepareForSleep(bool)));
}

void LogindResumeWatcher::onPrepareForSleep(bool goingToSleep) {
    if (goingToSleep)
        Q_EMIT suspending();
    else
        Q_EMIT resumed();
}

} // namespace vespera
