#include "platform/linux/DBusSleepInhibitor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

namespace vespera {

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
constexpr uint PortalSuspend = 4;
constexpr uint PortalIdle = 8;
constexpr int TimeoutMs = 3000;

} // namespace

DBusSleepInhibitor::DBusSleepInhibitor(const QDBusConnection& sessionBus, const QDBusConnection& systemBus)
    : sessionBus_(sessionBus), systemBus_(systemBus) {}

DBusSleepInhibitor::~DBusSleepInhibitor() {
    release();
}

bool DBusSleepInhibitor::hold(const QString& reason) {
    if (holding())
        return true;
    return holdThroughPortal(reason) || holdThroughLogind(reason);
}

bool DBusSleepInhibitor::holdThroughPortal(const QString& reason) {
    if (!sessionBus_.isConnected() || !sessionBus_.interface() ||
        !sessionBus_.interface()->isServiceRegistered(PortalService))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << (PortalSuspend | PortalIdle) << QVariantMap{{QStringLiteral("reason"), reason}};
    const QDBusMessage reply = sessionBus_.call(call, QDBus::Block, TimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        lastError_ = reply.errorMessage();
        return false;
    }
    portalRequest_ = reply.arguments().value(0).value<QDBusObjectPath>().path();
    return !portalRequest_.isEmpty();
}

bool DBusSleepInhibitor::holdThroughLogind(const QString& reason) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Vespera") << reason << QStringLiteral("block");
    const QDBusMessage reply =
        systemBus_.isConnected() ? systemBus_.call(call, QDBus::Block, TimeoutMs) : QDBusMessage();
    if (reply.type() != QDBusMessage::ReplyMessage) {
        lastError_ = systemBus_.isConnected() ? reply.errorMessage() : QStringLiteral("no system bus");
        return false;
    }
    logindLock_ = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
    return logindLock_.isValid();
}

void DBusSleepInhibitor::release() {
    if (!portalRequest_.isEmpty()) {
        sessionBus_.call(QDBusMessage::createMethodCall(PortalService, portalRequest_,
                                                        QStringLiteral("org.freedesktop.portal.Request"),
                                                        QStringLiteral("Close")),
                         QDBus::Block, TimeoutMs);
        portalRequest_.clear();
    }
    logindLock_ = QDBusUnixFileDescriptor(); // the last copy of the descriptor closes it
}

} // namespace vespera
