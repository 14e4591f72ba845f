// A Wayland server for tests: it offers one seat and the idle notification, and on each line of its
// standard input ("idle" or "resume") sends that event to every notification, then answers "ok" once
// the events are on their way. It ends with its standard input.
#include "ext-idle-notify-v1-server-protocol.h"

#include <wayland-server.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {

wl_display* display = nullptr;
std::vector<wl_resource*> notifications;

void destroy(wl_client*, wl_resource* resource) {
    wl_resource_destroy(resource);
}

void forget(wl_resource* resource) {
    std::erase(notifications, resource);
}

const struct ext_idle_notification_v1_interface NotificationRequests { &destroy };

void notifyWhenIdle(wl_client* client, wl_resource*, std::uint32_t id, std::uint32_t, wl_resource*) {
    wl_resource* notification = wl_resource_create(client, &ext_idle_notification_v1_interface, 1, id);
    wl_resource_set_implementation(notification, &NotificationRequests, nullptr, &forget);
    notifications.push_back(notification);
}

const struct ext_idle_notifier_v1_interface NotifierRequests { &destroy, &notifyWhenIdle };
const struct wl_seat_interface SeatRequests {};

void bindSeat(wl_client* client, void*, std::uint32_t version, std::uint32_t id) {
    wl_resource_set_implementation(wl_resource_create(client, &wl_seat_interface, int(version), id),
                                   &SeatRequests, nullptr, nullptr);
}

void bindNotifier(wl_client* client, void*, std::uint32_t version, std::uint32_t id) {
    wl_resource_set_implementation(
        wl_resource_create(client, &ext_idle_notifier_v1_interface, int(version), id), &NotifierRequests,
        nullptr, nullptr);
}

int command(int fd, std::uint32_t, void*) {
    char line[64] = {};
    if (read(fd, line, sizeof line - 1) <= 0) {
        wl_display_terminate(display);
        return 0;
    }
    for (wl_resource* notification : notifications) {
        if (std::strncmp(line, "idle", 4) == 0)
            ext_idle_notification_v1_send_idled(notification);
        else
            ext_idle_notification_v1_send_resumed(notification);
    }
    wl_display_flush_clients(display);
    std::puts("ok");
    std::fflush(stdout);
    return 0;
}

} // namespace

// The argument is the socket's name in XDG_RUNTIME_DIR.
int main(int argc, char** argv) {
    display = wl_display_create();
    if (argc != 2 || wl_display_add_socket(display, argv[1]) != 0)
        return 1;
    wl_global_create(display, &wl_seat_interface, 1, nullptr, &bindSeat);
    wl_global_create(display, &ext_idle_notifier_v1_interface, 1, nullptr, &bindNotifier);
    wl_event_loop_add_fd(wl_display_get_event_loop(display), STDIN_FILENO, WL_EVENT_READABLE, &command,
                         nullptr);
    std::puts("ready");
    std::fflush(stdout);
    wl_display_run(display);
    wl_display_destroy(display);
    return 0;
}
