#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace vespera {

// A notification of the program's own on the desktop, with the buttons the user can answer it with.
struct Notification {
    struct Action {
        QString key;
        QString caption;
    };
    QString summary;
    QString body;               // where the desktop shows the actions
    QString bodyWithoutActions; // where it does not: how to answer in the program instead
    QList<Action> actions;
};

// The desktop's notification service, one notification of the program's at a time. Without a service
// nothing is shown and nothing else changes.
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;
    // Shows the notification in place of the one shown before.
    virtual void show(const Notification& notification) = 0;
    // Takes back the one shown, if any; an answer to it that arrives later is not passed on.
    virtual void withdraw() = 0;
    // Receives the key of the action the user chose on the notification shown.
    virtual void setActionHandler(std::function<void(const QString& key)> handler) = 0;
};

// The desktop's service on the session bus.
std::unique_ptr<DesktopNotifications> openDesktopNotifications();

} // namespace vespera
