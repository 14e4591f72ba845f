#include "LogindMock.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QFile>

#include <stdexcept>

namespace vespera::test {

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

QDBusConnection connectPrivateBus(QString& whyNot) {
    const QString address = LogindMock::privateBusAddress();
    if (address.isEmpty()) {
        whyNot = QStringLiteral("run this test through tools/with-logind-mock");
        return QDBusConnection(QStringLiteral("vespera-test-no-bus"));
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("vespera-test-bus"));
    if (!bus.isConnected())
        whyNot = bus.lastError().message();
    return bus;
}

} // namespace

LogindMock::LogindMock() : bus_(QStringLiteral("vespera-test-no-bus")) {
    ensureApplication();
    bus_ = connectPrivateBus(whyNot_);
    logPath_ = qEnvironmentVariable("VESPERA_LOGIND_LOG");
    newCalls();
}

QString LogindMock::privateBusAddress() {
    const QString address = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
    return address.contains(u"/vespera-logind.") ? address : QString();
}

void LogindMock::ensureApplication() {
    static int argc = 1;
    static char name[] = "vespera-test";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QCoreApplication> app =
        QCoreApplication::instance() ? nullptr : std::make_unique<QCoreApplication>(argc, argv);
}

QStringList LogindMock::newCalls() {
    QFile log(logPath_);
    if (logPath_.isEmpty() || !log.open(QIODevice::ReadOnly))
        return {};
    log.seek(logOffset_);
    const QByteArray added = log.readAll();
    logOffset_ += added.size();
    QStringList calls;
    for (const QByteArray& line : added.split('\n')) {
        const int blank = line.indexOf(' ');
        if (blank > 0)
            calls << QString::fromUtf8(line.mid(blank + 1));
    }
    return calls;
}

void LogindMock::replaceMethod(const QString& path, const QString& interface, const QString& name,
                               const QString& inSig, const QString& outSig, const QString& code) {
    callMock(path, QStringLiteral("AddMethod"), {interface, name, inSig, outSig, code});
}

void LogindMock::restoreCanHibernate() {
    const QString answer = qEnvironmentVariable("VESPERA_LOGIND_CAN_HIBERNATE", QStringLiteral("yes"));
    replaceMethod(ManagerPath, ManagerInterface, QStringLiteral("CanHibernate"), {}, QStringLiteral("s"),
                  QStringLiteral("ret = \"%1\"").arg(answer));
}

void LogindMock::emitManagerSignal(const QString& name, const QString& signature, const QVariantList& args) {
    callMock(ManagerPath, QStringLiteral("EmitSignal"), {ManagerInterface, name, signature, QVariant(args)});
}

void LogindMock::callMock(const QString& path, const QString& method, const QVariantList& args) {
    QDBusMessage message = QDBusMessage::createMethodCall(Service, path, MockInterface, method);
    message.setArguments(args);
    const QDBusMessage reply = bus_.call(message, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw std::runtime_error(("mock " + method + ": " + reply.errorMessage()).toStdString());
}

} // namespace vespera::test
