#pragma once

#include <QDBusConnection>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class QCoreApplication;

namespace vespera::test {

// The private bus and mock logind that tools/with-logind-mock started around this test program. It
// never falls back to the machine's own system bus: outside the harness, usable() is false and
// whyNot() says so.
class LogindMock {
public:
    LogindMock();

    bool usable() const { return bus_.isConnected(); }
    QString whyNot() const { return whyNot_; }
    QDBusConnection bus() const { return bus_; }

    // The calls the mock recorded since construction or the previous newCalls(), without their
    // timestamps, e.g. "PowerOff False".
    QStringList newCalls();

    // Gives a method of a mock object new Python code (dbusmock's AddMethod).
    void replaceMethod(const QString& path, const QString& interface, const QString& name,
                       const QString& inSig, const QString& outSig, const QString& code);
    void restoreCanHibernate();

    // Emits a signal from the manager object (dbusmock's EmitSignal).
    void emitManagerSignal(const QString& name, const QString& signature, const QVariantList& args);

    static inline const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
    static inline const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");

    // The harness's private bus address, or empty when this program does not run inside the harness.
    static QString privateBusAddress();
    // Qt's event loop and bus connections need an application object; one for the whole program.
    static void ensureApplication();

private:
    void callMock(const QString& path, const QString& method, const QVariantList& args);

    QDBusConnection bus_;
    QString whyNot_;
    QString logPath_;
    qint64 logOffset_ = 0;
};

} // namespace vespera::test
