#pragma once

#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QObject>

#include <optional>
#include <utility>

class QDBusPendingCallWatcher;

namespace vespera {

// org.freedesktop.Notifications on the session bus. Every call is asynchronous, so a slow or absent
// service never holds up the tick: the capabilities are asked first, then Notify is sent, with the
// actions only where the server lists "actions". A withdrawal that comes before Notify has answered
// closes the notification as soon as its id is known.
class DBusDesktopNotifications : public QObject, public DesktopNotifications {
    Q_OBJECT
public:
    explicit DBusDesktopNotifications(const QDBusConnection& sessionBus, QObject* parent = nullptr);
    ~DBusDesktopNotifications() override;

    void show(const Notification& notification) override;
    void withdraw() override;
    void setActionHandler(std::function<void(const QString& key)> handler) override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& key);
    void onNotificationClosed(uint id, uint reason);

private:
    void sendNotify(const Notification& notification, bool withActions, quint64 request);
    void notifyAnswered(QDBusPendingCallWatcher* watcher, quint64 request);
    void close(uint id);

    QDBusConnection bus_;
    std::function<void(const QString& key)> handler_;
    quint64 request_ = 0; // counts show and withdraw: an answer to an older request is out of date
    uint shown_ = 0;      // the id of the notification shown; 0 for none
    std::optional<std::pair<uint, QString>> early_; // a click on an id that Notify has not answered yet
};

} // namespace vespera
