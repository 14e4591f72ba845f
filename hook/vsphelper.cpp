// The input hook library: the six entry points the program binds by name. All take and return 32-bit
// values; the receiver handle is the write end of the program's pipe.
#include "InputWatcher.h"

#include <atomic>
#include <cstdint>
#include <mutex>

#define VSPHELPER_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex lock;
std::atomic<std::int32_t> receiver{0};
unsigned kinds = 0;
// Destroyed when the library is unloaded: the thread is joined before its code goes away, also when a
// program unloads the library without stopping it.
vsphelper::InputWatcher watcher(receiver);

unsigned bit(std::int32_t kind) {
    return kind == 1 || kind == 2 ? 1u << kind : 0u;
}

} // namespace

// Starting a kind already watched changes nothing; a kind the display cannot give is not watched.
VSPHELPER_EXPORT void StartWatching(std::int32_t kind) {
    const std::lock_guard guard(lock);
    if (!watcher.running())
        kinds = 0;
    const unsigned wanted = kinds | bit(kind);
    if (wanted != kinds && watcher.watch(wanted))
        kinds = wanted;
}

// The thread ends and is joined once no kind is left.
VSPHELPER_EXPORT void StopWatching(std::int32_t kind) {
    const std::lock_guard guard(lock);
    kinds &= ~bit(kind);
    watcher.watch(kinds);
}

// True while a kind is watched and the connection to the display holds.
VSPHELPER_EXPORT std::int32_t StillWatching() {
    const std::lock_guard guard(lock);
    return kinds != 0 && watcher.running();
}

VSPHELPER_EXPORT void StopAll() {
    const std::lock_guard guard(lock);
    kinds = 0;
    watcher.watch(0);
}

// False while another receiver is registered; 0 clears the registration.
VSPHELPER_EXPORT std::int32_t SetReceiver(std::int32_t handle) {
    std::int32_t current = receiver;
    if (handle == 0 || current == 0 || current == handle) {
        receiver = handle;
        return 1;
    }
    return 0;
}

VSPHELPER_EXPORT std::int32_t GetReceiver() {
    return receiver;
}
