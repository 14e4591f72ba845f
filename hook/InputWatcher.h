#pragma once

#include <atomic>
#include <cstdint>

#include <pthread.h>

struct _XDisplay;

namespace vsphelper {

// Watches the input of the whole X display in a thread of its own, with a Display of its own: XInput2
// raw events for keys, buttons and motion, each turned into one record written to the receiver. The
// thread sleeps in poll() on the X connection and on a wake-up pipe, never on a timer.
class InputWatcher {
public:
    explicit InputWatcher(const std::atomic<std::int32_t>& receiver);
    ~InputWatcher();
    InputWatcher(const InputWatcher&) = delete;
    InputWatcher& operator=(const InputWatcher&) = delete;

    // Watches the kinds in the mask (bit 1 keyboard, bit 2 mouse); an empty mask stops and joins the
    // thread. False when the display cannot be opened or offers no XInput 2.1.
    bool watch(unsigned kinds);
    // The thread runs and its connection is sound.
    bool running() const { return started_ && !failed_; }

private:
    bool start(unsigned kinds);
    void stop();
    void wake();
    static void* run(void* self);
    void loop();
    bool takeRequest();
    void select(unsigned kinds);
    void readEvents();
    void handle(int type, int detail, bool& moved);
    void sendPointer();
    void send(std::uint32_t message, std::int32_t wParam, std::int32_t lParam) const;
    static void connectionLost(_XDisplay* display, void* self);

    const std::atomic<std::int32_t>& receiver_;
    _XDisplay* display_ = nullptr;
    int opcode_ = 0;
    int wake_[2] = {-1, -1};
    pthread_t thread_{};
    bool started_ = false;
    std::atomic<bool> failed_{false};
    std::atomic<unsigned> requested_{0};
};

} // namespace vsphelper
