#include "platform/linux/LogindPowerBackend.h"

#include <QCoreApplication>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace vespera {

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");

// Bounds for a logind that is on the bus but does not answer. Queries are asked from the window's
// handlers; the actions may wait for polkit's decision.
constexpr int QueryTimeoutMs = 3000;
constexpr int ActionTimeoutMs = 10000;

QDBusMessage managerCall(const QString& method) {
    return QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface, method);
}

PowerResult resultOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ReplyMessage)
        return PowerResult::success();
    if (reply.errorName().isEmpty() && reply.errorMessage().isEmpty())
        return PowerResult::failure(QString(), QStringLiteral("logind gave no answer"));
    return PowerResult::failure(reply.errorName(), reply.errorMessage());
}

} // namespace

LogindPowerBackend::LogindPowerBackend(const QDBusConnection& bus, const QString& fallbackSessionId)
    : bus_(bus), fallbackSessionId_(fallbackSessionId) {}

PowerResult LogindPowerBackend::powerOff() {
    return managerAction(QStringLiteral("PowerOff"));
}
PowerResult LogindPowerBackend::reboot() {
    return managerAction(QStringLiteral("Reboot"));
}
PowerResult LogindPowerBackend::suspend() {
    return managerAction(QStringLiteral("Suspend"));
}
PowerResult LogindPowerBackend::hibernate() {
    return managerAction(QStringLiteral("Hibernate"));
}

PowerResult LogindPowerBackend::logOff() {
    const QDBusMessage session = ownSession();
    if (session.type() != QDBusMessage::ReplyMessage)
        return resultOf(session);
    const QString path = session.arguments().value(0).value<QDBusObjectPath>().path();
    if (path.isEmpty())
        return PowerResult::failure(QString(), QStringLiteral("logind named no session for this program"));
    const QDBusMessage terminate =
        QDBusMessage::createMethodCall(Service, path, SessionInterface, QStringLiteral("Terminate"));
    return resultOf(call(terminate, ActionTimeoutMs));
}

// "challenge" would need a password that a non-interactive request cannot give, so only "yes" counts.
bool LogindPowerBackend::canHibernate() {
    const QDBusMessage reply = call(managerCall(QStringLiteral("CanHibernate")), QueryTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toString() == u"yes";
}

// Log off needs the session to exist; the others are logind's own Can* questions.
QString LogindPowerBackend::canRequest(PowerRequest request) {
    if (request == PowerRequest::LogOff) {
        const QDBusMessage session = ownSession();
        return session.type() == QDBusMessage::ReplyMessage ? QStringLiteral("yes")
                                                            : resultOf(session).describe();
    }
    static const QString questions[] = {QStringLiteral("CanPowerOff"), QStringLiteral("CanReboot"),
                                        QStringLiteral("CanSuspend"), QStringLiteral("CanHibernate")};
    const QDBusMessage reply = call(managerCall(questions[static_cast<int>(request)]), QueryTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return resultOf(reply).describe();
    return reply.arguments().value(0).toString();
}

PowerResult LogindPowerBackend::managerAction(const QString& method) {
    QDBusMessage message = managerCall(method);
    message << false; // not interactive
    return resultOf(call(message, ActionTimeoutMs));
}

// The reply to GetSessionByPID for this process, or to GetSession for the fallback id.
QDBusMessage LogindPowerBackend::ownSession() const {
    QDBusMessage byPid = managerCall(QStringLiteral("GetSessionByPID"));
    byPid << static_cast<quint32>(QCoreApplication::applicationPid());
    const QDBusMessage reply = call(byPid, QueryTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage || fallbackSessionId_.isEmpty())
        return reply;
    QDBusMessage byId = managerCall(QStringLiteral("GetSession"));
    byId << fallbackSessionId_;
    return call(byId, QueryTimeoutMs);
}

// Blocks without running the event loop, so no window handler runs in between.
QDBusMessage LogindPowerBackend::call(const QDBusMessage& message, int timeoutMs) const {
    if (!bus_.isConnected()) {
        const QDBusError why = bus_.lastError();
        return why.isValid()
                   ? message.createErrorReply(why)
                   : message.createErrorReply(QDBusError::Disconnected, QStringLiteral("no system bus"));
    }
    return bus_.call(message, QDBus::Block, timeoutMs);
}

} // namespace vespera
