#include "platform/linux/DBusIdleTimeSource.h"

#include "platform/linux/WaylandIdleTimeSource.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariant>

#include <array>

namespace vespera {

namespace {

constexpr int AnswerLimitMs = 500;

} // namespace

DBusIdleTimeSource::DBusIdleTimeSource(QString service, QString path, QString interface, QString method)
    : service_(std::move(service)), path_(std::move(path)), interface_(std::move(interface)),
      method_(std::move(method)) {}

// GNOME answers a 64-bit count, the screen savers a 32-bit one; both in milliseconds.
std::optional<std::uint64_t> DBusIdleTimeSource::idleMilliseconds() {
    const QDBusMessage call = QDBusMessage::createMethodCall(service_, path_, interface_, method_);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, AnswerLimitMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    bool ok = false;
    const qulonglong value = reply.arguments().constFirst().toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool waylandSession(const QProcessEnvironment& environment) {
    return environment.value(QStringLiteral("XDG_SESSION_TYPE")) == u"wayland" ||
           !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
}

// The compositor's own notification where it offers one.
std::unique_ptr<IdleTimeSource> openIdleTimeSource() {
    if (std::unique_ptr<IdleTimeSource> notification = WaylandIdleTimeSource::open())
        return notification;
    std::array<std::unique_ptr<IdleTimeSource>, 2> sources{
        std::make_unique<DBusIdleTimeSource>(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                             QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                                             QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                                             QStringLiteral("GetIdletime")),
        std::make_unique<DBusIdleTimeSource>(
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("GetSessionIdleTime")),
    };
    for (auto& source : sources)
        if (source->idleMilliseconds())
            return std::move(source);
    return nullptr;
}

} // namespace vespera
