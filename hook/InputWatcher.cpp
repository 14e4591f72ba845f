#include "InputWatcher.h"

#include "platform/WatchRecord.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <atomic>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

namespace vsphelper {

namespace {

constexpr std::uint32_t KeyMessage = vespera::registerWatchMessage(vespera::WatchKeyEvent);
constexpr std::uint32_t MouseMessage = vespera::registerWatchMessage(vespera::WatchMouseEvent);

// The receiver's mouse codes: the low four bits of the mouse message numbers it knows.
enum MouseCode : std::int32_t {
    Move = 0,
    LeftDown = 1,
    LeftUp = 2,
    RightDown = 4,
    RightUp = 5,
    MiddleDown = 7,
    MiddleUp = 8,
    WheelTurn = 10,
    ExtraDown = 11,
    ExtraUp = 12,
    NoCode = -1,
};

// Buttons 4 to 7 are the wheel's four directions: one record per notch, none for their release.
MouseCode buttonCode(int button, bool press) {
    switch (button) {
    case 1:
        return press ? LeftDown : LeftUp;
    case 2:
        return press ? MiddleDown : MiddleUp;
    case 3:
        return press ? RightDown : RightUp;
    case 4:
    case 5:
    case 6:
    case 7:
        return press ? WheelTurn : NoCode;
    default:
        return press ? ExtraDown : ExtraUp;
    }
}

void setMask(unsigned char* mask, int event) {
    XISetMask(mask, event);
}

// Xlib's handler of a broken connection ends the whole process; for the watch's own display it returns
// instead, and any other display keeps the handler it had.
std::atomic<Display*> ownDisplay{nullptr};
XIOErrorHandler previousHandler = nullptr;

int connectionBroken(Display* display) {
    if (display == ownDisplay || !previousHandler)
        return 0;
    return previousHandler(display);
}

void trapConnectionErrors(Display* display) {
    ownDisplay = display;
    if (display && !previousHandler)
        previousHandler = XSetIOErrorHandler(&connectionBroken);
    if (!display && previousHandler) {
        const XIOErrorHandler current = XSetIOErrorHandler(previousHandler);
        if (current != &connectionBroken)
            XSetIOErrorHandler(current);
        previousHandler = nullptr;
    }
}

} // namespace

InputWatcher::InputWatcher(const std::atomic<std::int32_t>& receiver) : receiver_(receiver) {}

InputWatcher::~InputWatcher() {
    stop();
}

bool InputWatcher::watch(unsigned kinds) {
    if (kinds == 0) {
        stop();
        return true;
    }
    if (started_ && failed_)
        stop();
    if (!started_)
        return start(kinds);
    requested_ = kinds;
    wake();
    return true;
}

// XInput 2.1 or later: with 2.0 the raw events stop while any client holds a grab (a pressed button,
// an open menu).
bool InputWatcher::start(unsigned kinds) {
    display_ = XOpenDisplay(nullptr);
    if (!display_)
        return false;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display_, "XInputExtension", &opcode_, &event, &error) ||
        XIQueryVersion(display_, &major, &minor) != Success || (major == 2 && minor < 1) ||
        pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        XCloseDisplay(display_);
        display_ = nullptr;
        return false;
    }
    trapConnectionErrors(display_);
    XSetIOErrorExitHandler(display_, &InputWatcher::connectionLost, this);
    requested_ = kinds;
    failed_ = false;
    select(kinds);
    // The thread takes none of the program's signals; a write to a closed pipe then fails with EPIPE.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    started_ = pthread_create(&thread_, nullptr, &InputWatcher::run, this) == 0;
    if (started_)
        pthread_setname_np(thread_, "vsphelper");
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (!started_)
        stop();
    return started_;
}

void InputWatcher::stop() {
    if (started_) {
        requested_ = 0;
        wake();
        pthread_join(thread_, nullptr);
        started_ = false;
    }
    for (int& fd : wake_) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
    if (display_)
        XCloseDisplay(display_);
    display_ = nullptr;
    trapConnectionErrors(nullptr);
}

void InputWatcher::wake() {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wake_[1], &byte, 1);
}

void* InputWatcher::run(void* self) {
    static_cast<InputWatcher*>(self)->loop();
    return nullptr;
}

void InputWatcher::loop() {
    pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_[0], POLLIN, 0}};
    for (;;) {
        readEvents();
        if (failed_)
            return;
        if (poll(fds, 2, -1) < 0)
            continue;
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            failed_ = true;
            return;
        }
        if ((fds[1].revents & POLLIN) && !takeRequest())
            return;
    }
}

// Applies the kinds the program asked for last; false when it asked to stop.
bool InputWatcher::takeRequest() {
    char bytes[16];
    while (read(wake_[0], bytes, sizeof bytes) > 0) {
    }
    const unsigned kinds = requested_;
    if (kinds == 0)
        return false;
    select(kinds);
    return true;
}

// Raw events come from the root window of the whole display, whichever window has the focus.
void InputWatcher::select(unsigned kinds) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (kinds & (1u << vespera::WatchKeyboard)) {
        setMask(bits, XI_RawKeyPress);
        setMask(bits, XI_RawKeyRelease);
    }
    if (kinds & (1u << vespera::WatchMouse)) {
        setMask(bits, XI_RawButtonPress);
        setMask(bits, XI_RawButtonRelease);
        setMask(bits, XI_RawMotion);
    }
    XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
    XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
    XFlush(display_);
}

// A burst of motion events costs one pointer query and one record.
void InputWatcher::readEvents() {
    bool moved = false;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display_, cookie))
            continue;
        handle(cookie->evtype, static_cast<const XIRawEvent*>(cookie->data)->detail, moved);
        XFreeEventData(display_, cookie);
    }
    if (moved)
        sendPointer();
}

void InputWatcher::handle(int type, int detail, bool& moved) {
    switch (type) {
    case XI_RawKeyPress:
    case XI_RawKeyRelease:
        // The key code, and the top bit of lParam set on the release.
        send(KeyMessage, detail, type == XI_RawKeyRelease ? INT32_MIN : 0);
        break;
    case XI_RawButtonPress:
    case XI_RawButtonRelease:
        if (const MouseCode code = buttonCode(detail, type == XI_RawButtonPress); code != NoCode)
            send(MouseMessage, code, 0);
        break;
    case XI_RawMotion:
        moved = true;
        break;
    default:
        break;
    }
}

// Raw motion carries no position: the pointer's place on the screen comes from the server.
void InputWatcher::sendPointer() {
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned buttons = 0;
    if (!XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &windowX, &windowY,
                       &buttons))
        return;
    const auto packed =
        (static_cast<std::uint32_t>(y & 0xFFFF) << 16) | static_cast<std::uint32_t>(x & 0xFFFF);
    send(MouseMessage, Move, static_cast<std::int32_t>(packed));
}

// A full pipe drops the record: the program has not read the thousands before it either.
void InputWatcher::send(std::uint32_t message, std::int32_t wParam, std::int32_t lParam) const {
    const int fd = receiver_;
    if (fd <= 0)
        return;
    const vespera::WatchRecord record{message, wParam, lParam};
    [[maybe_unused]] const ssize_t written = write(fd, &record, sizeof record);
}

// Returning leaves the display marked as broken: later calls on it return at once, the thread ends and
// the display can still be closed.
void InputWatcher::connectionLost(_XDisplay*, void* self) {
    static_cast<InputWatcher*>(self)->failed_ = true;
}

} // namespace vsphelper
