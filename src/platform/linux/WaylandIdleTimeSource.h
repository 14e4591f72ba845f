#pragma once

#include "platform/IdleTimeSource.h"

#include <chrono>
#include <cstdint>
#include <memory>

struct wl_callback;
struct wl_callback_listener;
struct wl_display;
struct wl_registry;
struct wl_registry_listener;
struct wl_seat;
struct ext_idle_notifier_v1;
struct ext_idle_notification_v1;
struct ext_idle_notification_v1_listener;

namespace vespera {

// The compositor's own idle notification (ext-idle-notify-v1), on a Wayland connection of its own: one
// notification of the first seat that turns idle a second after the last input and back at the next.
// The connection is read without waiting, once a reading; the idle time is that second plus the time
// since the idle event was read, so it is never longer than the real one.
class WaylandIdleTimeSource : public IdleTimeSource {
public:
    // Null when no compositor answers, or it offers no seat or no idle notification.
    static std::unique_ptr<WaylandIdleTimeSource> open();
    ~WaylandIdleTimeSource() override;
    WaylandIdleTimeSource(const WaylandIdleTimeSource&) = delete;
    WaylandIdleTimeSource& operator=(const WaylandIdleTimeSource&) = delete;

    // Nothing once the connection broke, the seat went away or the compositor left the last reading's
    // request unanswered.
    std::optional<std::uint64_t> idleMilliseconds() override;
    QString name() const override;

private:
    explicit WaylandIdleTimeSource(wl_display* display);
    bool subscribe();
    bool readEvents();
    void askForAnswer();

    static void global(void* self, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void globalRemoved(void* self, wl_registry* registry, std::uint32_t name);
    static void idled(void* self, ext_idle_notification_v1* notification);
    static void resumed(void* self, ext_idle_notification_v1* notification);
    static void answered(void* self, wl_callback* callback, std::uint32_t data);
    static const wl_registry_listener RegistryListener;
    static const ext_idle_notification_v1_listener NotificationListener;
    static const wl_callback_listener AnswerListener;

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    std::uint32_t seatName_ = 0;
    ext_idle_notifier_v1* notifier_ = nullptr;
    ext_idle_notification_v1* notification_ = nullptr;
    wl_callback* pendingAnswer_ = nullptr;
    bool lost_ = false;
    bool idle_ = false;
    bool resumedSinceReading_ = false;
    std::chrono::steady_clock::time_point idleSince_;
};

} // namespace vespera
