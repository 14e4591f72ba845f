#include "sensors/Watch.h"

#include <array>

namespace vespera {

namespace {

const QString NotFound = QStringLiteral("Library vsphelper.inc not found.\r\nSystem watching is disabled.");
const QString NotValid =
    QStringLiteral("Library vsphelper.inc is not valid.\r\nSystem watching is disabled.");
const QString InUse = QStringLiteral("Another instance already uses vsphelper.inc.\r\nOverriding it.");
const QString NoOverride = QStringLiteral("Unable to override.\r\nSystem watching is disabled.");

enum class MouseEvent { Move, Down, Up };

struct MouseCode {
    MouseEvent event;
    MouseButton button;
    ShiftState shift;
};

// The low four bits of the mouse message numbers, mouse move being 0; the codes without a message of
// their own count as a left press.
constexpr MouseCode LeftPress{MouseEvent::Down, MouseButton::Left, ShiftState::None};
constexpr std::array<MouseCode, 16> MouseCodes{{
    {MouseEvent::Move, MouseButton::Left, ShiftState::None},
    LeftPress,
    {MouseEvent::Up, MouseButton::Left, ShiftState::None},
    {MouseEvent::Down, MouseButton::Left, ShiftState::Double},
    {MouseEvent::Down, MouseButton::Right, ShiftState::None},
    {MouseEvent::Up, MouseButton::Right, ShiftState::None},
    {MouseEvent::Down, MouseButton::Right, ShiftState::Double},
    {MouseEvent::Down, MouseButton::Middle, ShiftState::None},
    {MouseEvent::Up, MouseButton::Middle, ShiftState::None},
    {MouseEvent::Down, MouseButton::Middle, ShiftState::Double},
    LeftPress,
    LeftPress,
    LeftPress,
    LeftPress,
    LeftPress,
    LeftPress,
}};

template <typename Function> void bind(const HookLibrary& library, const char* name, Function& entry) {
    entry = reinterpret_cast<Function>(library.entryPoint(name));
}

} // namespace

bool TWatch::EntryPoints::complete() const {
    return StartWatching && StopWatching && StillWatching && StopAll && SetReceiver && GetReceiver;
}

TWatch::TWatch(WatchPlatform platform)
    : platform_(std::move(platform)), shellMessage_(registerWatchMessage(WatchShellEvent)),
      keyMessage_(registerWatchMessage(WatchKeyEvent)), mouseMessage_(registerWatchMessage(WatchMouseEvent)) {
}

TWatch::~TWatch() {
    UnloadHookLibrary();
}

void TWatch::StartWatch(std::int32_t kind) {
    LoadHookLibrary();
    if (entry_.StartWatching)
        entry_.StartWatching(kind);
}

void TWatch::StopWatch(std::int32_t kind) {
    if (!library_ || !entry_.StopWatching || !entry_.StillWatching)
        return;
    entry_.StopWatching(kind);
    if (!(entry_.StillWatching() & 0xFF))
        UnloadHookLibrary();
}

bool TWatch::watching() const {
    return library_ && entry_.StillWatching && (entry_.StillWatching() & 0xFF);
}

void TWatch::LoadHookLibrary() {
    if (hookDisabled_ || library_)
        return;
    library_ = platform_.loadLibrary();
    if (library_) {
        receiver_ = platform_.createReceiver([this](const WatchRecord& record) {
            DispatchWatchMessage(record.message, record.wParam, record.lParam);
        });
        bindEntryPoints();
        registerReceiver();
    }
    if (library_ && receiver_ && !hookDisabled_ && entry_.complete())
        return;
    if (!library_)
        platform_.errorBox(NotFound);
    else if (!hookDisabled_)
        platform_.errorBox(NotValid);
    hookDisabled_ = true;
    UnloadHookLibrary();
}

void TWatch::bindEntryPoints() {
    bind(*library_, "StartWatching", entry_.StartWatching);
    bind(*library_, "StopWatching", entry_.StopWatching);
    bind(*library_, "StillWatching", entry_.StillWatching);
    bind(*library_, "StopAll", entry_.StopAll);
    bind(*library_, "SetReceiver", entry_.SetReceiver);
    bind(*library_, "GetReceiver", entry_.GetReceiver);
}

// A second copy of the program takes the registration over from the first.
void TWatch::registerReceiver() {
    if (!entry_.SetReceiver || !receiver_ || (entry_.SetReceiver(receiverHandle()) & 0xFF))
        return;
    platform_.errorBox(InUse);
    entry_.SetReceiver(0);
    if (entry_.SetReceiver(receiverHandle()) & 0xFF)
        return;
    platform_.errorBox(NoOverride);
    hookDisabled_ = true;
}

// Another receiver's registration and its watch are left alone.
void TWatch::UnloadHookLibrary() {
    if (library_ && entry_.GetReceiver && receiver_ && entry_.GetReceiver() == receiverHandle()) {
        if (entry_.SetReceiver)
            entry_.SetReceiver(0);
        if (entry_.StopAll)
            entry_.StopAll();
    }
    receiver_.reset();
    library_.reset();
    entry_ = EntryPoints{};
}

std::int32_t TWatch::receiverHandle() const {
    return receiver_ ? receiver_->handle() : 0;
}

std::int32_t TWatch::DispatchWatchMessage(std::uint32_t message, std::int32_t wParam, std::int32_t lParam) {
    if (message == shellMessage_)
        dispatchShell(wParam, lParam);
    else if (message == keyMessage_ && OnKeyNative)
        OnKeyNative(wParam, lParam);
    else if (message == mouseMessage_)
        dispatchMouse(wParam, lParam);
    return 0;
}

void TWatch::dispatchShell(std::int32_t window, std::int32_t code) {
    if (!NotifyOwnEvents && window == applicationWindow)
        return;
    const QString caption = platform_.windowCaption ? platform_.windowCaption(window) : QString();
    const auto raise = [&](const auto& event) {
        if (event)
            event(window, caption);
    };
    switch (code) {
    case 1:
        raise(OnWindowCreated);
        break;
    case 2:
        raise(OnWindowDestroyed);
        break;
    case 3:
        raise(OnActivateShellWindow);
        break;
    case 4:
        if (!OnWindowActivated)
            break;
        if (RepeatedEvents || caption != lastActivated_)
            OnWindowActivated(window, caption);
        lastActivated_ = caption;
        break;
    default:
        break;
    }
}

// X and Y are the low and high 16 bits of lParam, both unsigned.
void TWatch::dispatchMouse(std::int32_t wParam, std::int32_t lParam) {
    const MouseCode& code = MouseCodes[static_cast<std::uint32_t>(wParam) & 0xF];
    const auto bits = static_cast<std::uint32_t>(lParam);
    const int x = static_cast<int>(bits & 0xFFFF);
    const int y = static_cast<int>(bits >> 16);
    switch (code.event) {
    case MouseEvent::Move:
        if (OnMouseMove)
            OnMouseMove(code.shift, x, y);
        break;
    case MouseEvent::Down:
        if (OnMouseDown)
            OnMouseDown(code.button, code.shift, x, y);
        break;
    case MouseEvent::Up:
        if (OnMouseUp)
            OnMouseUp(code.button, code.shift, x, y);
        break;
    }
}

} // namespace vespera
