#pragma once

#include "platform/HookLibrary.h"
#include "platform/WatchReceiver.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace vespera {

enum class MouseButton { Left, Right, Middle };
// The modifier flags of a mouse event; the watch reports only the double click.
enum class ShiftState { None, Double };

// What the watch needs of the system: the hook library, the receiver its messages arrive at, the
// caption of a window and the modal error box. Tests hand in their own.
struct WatchPlatform {
    std::function<std::unique_ptr<HookLibrary>()> loadLibrary;
    std::function<std::unique_ptr<WatchReceiver>(WatchDispatch)> createReceiver;
    std::function<QString(std::int32_t window)> windowCaption; // empty when unset or unknown
    std::function<void(const QString& text)> errorBox;
};

// Watches mouse, keyboard and windows across the whole session through the input hook library
// "vsphelper.inc", and turns the library's messages into events on the thread that owns it. Any failure
// while loading shows one English error box and disables the watch for the rest of the run.
class TWatch {
public:
    explicit TWatch(WatchPlatform platform);
    ~TWatch();
    TWatch(const TWatch&) = delete;
    TWatch& operator=(const TWatch&) = delete;

    void StartWatch(std::int32_t kind);
    void StopWatch(std::int32_t kind);
    void UnloadHookLibrary();
    // The receiver's handling of one message; the three watch messages answer 0.
    std::int32_t DispatchWatchMessage(std::uint32_t message, std::int32_t wParam, std::int32_t lParam);

    // The library is loaded and still watches a kind.
    bool watching() const;
    bool HookDisabled() const { return hookDisabled_; }

    bool NotifyOwnEvents = false;
    bool RepeatedEvents = false;
    std::int32_t applicationWindow = 0; // the program's own window, left out of shell events

    std::function<void(std::int32_t handle, const QString& appName)> OnActivateShellWindow;
    std::function<void(std::int32_t handle, const QString& appName)> OnWindowActivated;
    std::function<void(std::int32_t handle, const QString& appName)> OnWindowCreated;
    std::function<void(std::int32_t handle, const QString& appName)> OnWindowDestroyed;
    std::function<void(std::int32_t wParam, std::int32_t lParam)> OnKeyNative;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDown;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseUp;
    std::function<void(ShiftState shift, int x, int y)> OnMouseMove;

private:
    struct EntryPoints {
        void (*StartWatching)(std::int32_t) = nullptr;
        void (*StopWatching)(std::int32_t) = nullptr;
        std::int32_t (*StillWatching)() = nullptr;
        void (*StopAll)() = nullptr;
        std::int32_t (*SetReceiver)(std::int32_t) = nullptr;
        std::int32_t (*GetReceiver)() = nullptr;
        bool complete() const;
    };

    void LoadHookLibrary();
    void bindEntryPoints();
    void registerReceiver();
    void dispatchShell(std::int32_t window, std::int32_t code);
    void dispatchMouse(std::int32_t wParam, std::int32_t lParam);
    std::int32_t receiverHandle() const;

    WatchPlatform platform_;
    std::uint32_t shellMessage_;
    std::uint32_t keyMessage_;
    std::uint32_t mouseMessage_;
    std::unique_ptr<HookLibrary> library_;
    std::unique_ptr<WatchReceiver> receiver_;
    EntryPoints entry_;
    bool hookDisabled_ = false;
    QString lastActivated_;
};

} // namespace vespera
