#include "platform/linux/WaylandIdleTimeSource.h"

#include "ext-idle-notify-v1-client-protocol.h"

#include <wayland-client.h>

#include <cerrno>
#include <cstring>

#include <poll.h>

namespace vespera {

namespace {

constexpr std::uint32_t IdleAfterMs = 1000;

template <typename Proxy>
Proxy* bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface) {
    return static_cast<Proxy*>(wl_registry_bind(registry, name, &interface, 1));
}

} // namespace

const wl_registry_listener WaylandIdleTimeSource::RegistryListener{&global, &globalRemoved};
const ext_idle_notification_v1_listener WaylandIdleTimeSource::NotificationListener{&idled, &resumed};
const wl_callback_listener WaylandIdleTimeSource::AnswerListener{&answered};

std::unique_ptr<WaylandIdleTimeSource> WaylandIdleTimeSource::open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    std::unique_ptr<WaylandIdleTimeSource> source(new WaylandIdleTimeSource(display));
    if (!source->subscribe())
        return nullptr;
    return source;
}

WaylandIdleTimeSource::WaylandIdleTimeSource(wl_display* display) : display_(display) {}

WaylandIdleTimeSource::~WaylandIdleTimeSource() {
    if (pendingAnswer_)
        wl_callback_destroy(pendingAnswer_);
    if (notification_)
        ext_idle_notification_v1_destroy(notification_);
    if (notifier_)
        ext_idle_notifier_v1_destroy(notifier_);
    if (seat_)
        wl_seat_destroy(seat_);
    if (registry_)
        wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

// The globals arrive with the first round trip, the notification's first state with the second.
bool WaylandIdleTimeSource::subscribe() {
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &RegistryListener, this);
    if (wl_display_roundtrip(display_) < 0 || !seat_ || !notifier_)
        return false;
    notification_ = ext_idle_notifier_v1_get_idle_notification(notifier_, IdleAfterMs, seat_);
    ext_idle_notification_v1_add_listener(notification_, &NotificationListener, this);
    return wl_display_roundtrip(display_) >= 0;
}

// Input since the last reading, or none a second long, reads as no idle time at all.
std::optional<std::uint64_t> WaylandIdleTimeSource::idleMilliseconds() {
    if (!readEvents() || lost_ || pendingAnswer_)
        return std::nullopt;
    askForAnswer();
    const bool active = !idle_ || resumedSinceReading_;
    resumedSinceReading_ = false;
    if (active)
        return 0;
    const auto since = std::chrono::steady_clock::now() - idleSince_;
    return IdleAfterMs + std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

QString WaylandIdleTimeSource::name() const {
    return QString::fromLatin1(ext_idle_notifier_v1_interface.name);
}

// Handles what the compositor sent since the last reading, without waiting for more.
bool WaylandIdleTimeSource::readEvents() {
    while (wl_display_prepare_read(display_) != 0)
        if (wl_display_dispatch_pending(display_) < 0)
            return false;
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(display_);
        return false;
    }
    pollfd connection{wl_display_get_fd(display_), POLLIN, 0};
    if (poll(&connection, 1, 0) > 0) {
        if (wl_display_read_events(display_) < 0)
            return false;
    } else {
        wl_display_cancel_read(display_);
    }
    // A compositor that closed the connection may have sent its last events before it.
    return wl_display_dispatch_pending(display_) >= 0 && !(connection.revents & (POLLHUP | POLLERR));
}

// A compositor that has not answered by the next reading counts as not answering.
void WaylandIdleTimeSource::askForAnswer() {
    pendingAnswer_ = wl_display_sync(display_);
    wl_callback_add_listener(pendingAnswer_, &AnswerListener, this);
    wl_display_flush(display_);
}

void WaylandIdleTimeSource::global(void* self, wl_registry* registry, std::uint32_t name,
                                   const char* interface, std::uint32_t) {
    auto* source = static_cast<WaylandIdleTimeSource*>(self);
    if (!source->seat_ && std::strcmp(interface, wl_seat_interface.name) == 0) {
        source->seat_ = bind<wl_seat>(registry, name, wl_seat_interface);
        source->seatName_ = name;
    } else if (!source->notifier_ && std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0) {
        source->notifier_ = bind<ext_idle_notifier_v1>(registry, name, ext_idle_notifier_v1_interface);
    }
}

void WaylandIdleTimeSource::globalRemoved(void* self, wl_registry*, std::uint32_t name) {
    auto* source = static_cast<WaylandIdleTimeSource*>(self);
    if (source->seat_ && name == source->seatName_)
        source->lost_ = true;
}

void WaylandIdleTimeSource::idled(void* self, ext_idle_notification_v1*) {
    auto* source = static_cast<WaylandIdleTimeSource*>(self);
    source->idle_ = true;
    source->idleSince_ = std::chrono::steady_clock::now();
}

void WaylandIdleTimeSource::resumed(void* self, ext_idle_notification_v1*) {
    auto* source = static_cast<WaylandIdleTimeSource*>(self);
    source->idle_ = false;
    source->resumedSinceReading_ = true;
}

void WaylandIdleTimeSource::answered(void* self, wl_callback* callback, std::uint32_t) {
    wl_callback_destroy(callback);
    static_cast<WaylandIdleTimeSource*>(self)->pendingAnswer_ = nullptr;
}

} // namespace vespera
