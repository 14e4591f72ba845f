#pragma once

#include "platform/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>

namespace vespera {

// The desktop portal's Inhibit (suspend and idle) on the session bus where a portal runs, otherwise
// logind's Inhibit("sleep:idle", ..., "block") on the system bus. The portal's inhibitor lasts until
// its request object is closed, logind's until the descriptor it hands out is closed.
class DBusSleepInhibitor : public SleepInhibitor {
public:
    DBusSleepInhibitor(const QDBusConnection& sessionBus, const QDBusConnection& systemBus);
    ~DBusSleepInhibitor() override;

    bool hold(const QString& reason) override;
    void release() override;
    bool holding() const override { return !portalRequest_.isEmpty() || logindLock_.isValid(); }
    QString lastError() const override { return lastError_; }

private:
    bool holdThroughPortal(const QString& reason);
    bool holdThroughLogind(const QString& reason);

    QDBusConnection sessionBus_;
    QDBusConnection systemBus_;
    QString portalRequest_;
    QDBusUnixFileDescriptor logindLock_;
    QString lastError_;
};

} // namespace vespera
