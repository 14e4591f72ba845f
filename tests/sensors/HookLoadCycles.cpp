// Loads the hook library given as argument a hundred times on the display of DISPLAY: each round
// registers a pipe, watches both kinds, moves the pointer until a record arrives, stops, and unloads
// the library. Built with AddressSanitizer: any memory the rounds leave behind fails the run at exit.
#include "platform/WatchRecord.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdint>
#include <cstdio>

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

template <typename Function> Function* entry(void* library, const char* name) {
    return reinterpret_cast<Function*>(dlsym(library, name));
}

// A round is sound when the watch delivered a record and the library left the process.
bool round(const char* path, Display* display) {
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    int fds[2];
    if (!library || pipe2(fds, O_NONBLOCK) != 0)
        return false;
    entry<std::int32_t(std::int32_t)>(library, "SetReceiver")(fds[1]);
    entry<void(std::int32_t)>(library, "StartWatching")(vespera::WatchKeyboard);
    entry<void(std::int32_t)>(library, "StartWatching")(vespera::WatchMouse);
    pollfd arrived{fds[0], POLLIN, 0};
    for (int tries = 0; tries < 20 && poll(&arrived, 1, 50) == 0; ++tries) {
        XTestFakeRelativeMotionEvent(display, 20, 0, CurrentTime);
        XFlush(display);
    }
    vespera::WatchRecord record;
    const bool delivered = read(fds[0], &record, sizeof record) == sizeof record;
    entry<void(std::int32_t)>(library, "StopWatching")(vespera::WatchMouse);
    entry<void(std::int32_t)>(library, "StopWatching")(vespera::WatchKeyboard);
    const bool stopped = !entry<std::int32_t()>(library, "StillWatching")();
    entry<std::int32_t(std::int32_t)>(library, "SetReceiver")(0);
    dlclose(library);
    close(fds[0]);
    close(fds[1]);
    return delivered && stopped && !dlopen(path, RTLD_NOW | RTLD_NOLOAD);
}

} // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (argc != 2 || !display)
        return 2;
    int failed = 0;
    for (int i = 0; i < 100; ++i)
        failed += !round(argv[1], display);
    XCloseDisplay(display);
    if (failed)
        std::fprintf(stderr, "%d of 100 rounds failed\n", failed);
    return failed ? 1 : 0;
}
