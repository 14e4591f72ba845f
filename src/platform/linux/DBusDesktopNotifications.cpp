#include "platform/linux/DBusDesktopNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <utility>

namespace vespera {

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// The installed program's id: its desktop entry and its icon in the theme carry this name.
const QString AppId = QStringLiteral("de.orbelan.Vespera");
constexpr uchar CriticalUrgency = 2;
constexpr int ExpireMs = 60'000; // the warning means nothing once its minute is over

QDBusMessage call(const QString& method) {
    return QDBusMessage::createMethodCall(Service, Path, Interface, method);
}

} // namespace

// QDBusConnection::connect takes only a slot signature, no functor.
DBusDesktopNotifications::DBusDesktopNotifications(const QDBusConnection& sessionBus, QObject* parent)
    : QObject(parent), bus_(sessionBus) {
    if (!bus_.isConnected())
        return;
    bus_.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                 SLOT(onActionInvoked(uint, QString)));
    bus_.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                 SLOT(onNotificationClosed(uint, uint)));
}

DBusDesktopNotifications::~DBusDesktopNotifications() {
    withdraw();
}

void DBusDesktopNotifications::setActionHandler(std::function<void(const QString& key)> handler) {
    handler_ = std::move(handler);
}

void DBusDesktopNotifications::show(const Notification& notification) {
    if (!bus_.isConnected())
        return;
    const quint64 request = ++request_;
    early_.reset();
    auto* watcher =
        new QDBusPendingCallWatcher(bus_.asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, notification, request](QDBusPendingCallWatcher* answered) {
                answered->deleteLater();
                const QDBusPendingReply<QStringList> capabilities = *answered;
                if (request == request_ && !capabilities.isError())
                    sendNotify(notification, capabilities.value().contains(QStringLiteral("actions")),
                               request);
            });
}

void DBusDesktopNotifications::sendNotify(const Notification& notification, bool withActions,
                                          quint64 request) {
    QStringList actions;
    for (const Notification::Action& action : notification.actions)
        actions << action.key << action.caption;
    QDBusMessage notify = call(QStringLiteral("Notify"));
    notify << QStringLiteral("Vespera") << shown_ << AppId << notification.summary
           << (withActions ? notification.body : notification.bodyWithoutActions)
           << (withActions ? actions : QStringList())
           << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(CriticalUrgency)},
                          {QStringLiteral("desktop-entry"), AppId}}
           << ExpireMs;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request](QDBusPendingCallWatcher* answered) { notifyAnswered(answered, request); });
}

// The id of a notification withdrawn while Notify was under way closes it at once.
void DBusDesktopNotifications::notifyAnswered(QDBusPendingCallWatcher* watcher, quint64 request) {
    watcher->deleteLater();
    const QDBusPendingReply<uint> id = *watcher;
    if (id.isError())
        return;
    if (request != request_) {
        close(id.value());
        return;
    }
    shown_ = id.value();
    if (const auto early = std::exchange(early_, std::nullopt); early && early->first == shown_)
        onActionInvoked(early->first, early->second);
}

void DBusDesktopNotifications::withdraw() {
    ++request_;
    early_.reset();
    if (shown_ != 0)
        close(std::exchange(shown_, 0u));
}

void DBusDesktopNotifications::close(uint id) {
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    bus_.asyncCall(closing);
}

// The signal of a click can overtake the answer to Notify: it is kept until the id is known.
void DBusDesktopNotifications::onActionInvoked(uint id, const QString& key) {
    if (id != 0 && id == shown_ && handler_)
        handler_(key);
    else if (shown_ == 0)
        early_ = {id, key};
}

// Closed by the user or when it expired: nothing is left to withdraw.
void DBusDesktopNotifications::onNotificationClosed(uint id, uint) {
    if (id == shown_)
        shown_ = 0;
}

std::unique_ptr<DesktopNotifications> openDesktopNotifications() {
    return std::make_unique<DBusDesktopNotifications>(QDBusConnection::sessionBus());
}

} // namespace vespera
