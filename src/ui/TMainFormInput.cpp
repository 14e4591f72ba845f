// The main window's watch of mouse and keyboard: the hook library's events on an X display, the
// compositor's idle time on a Wayland session. Either sets the activity flag the tick reads and clears.
#include "ui/TMainForm.h"

#include "l10n/StandardMessageBox.h"
#include "platform/IdleTimeSource.h"

#include <QCheckBox>

#include <cstdlib>

namespace vespera {

namespace {

// The pointer must move more than this on one axis to count as someone at the mouse.
constexpr int JitterPixels = 15;

} // namespace

void TMainForm::setupWatch() {
    if (context_.watchPlatform) {
        WatchPlatform platform = *context_.watchPlatform;
        // The watch's four boxes are in English whatever the language of the window.
        platform.errorBox = [this](const QString& message) {
            context_.messageBoxes->show(this, QMessageBox::Critical, message);
        };
        Watch1 = std::make_unique<TWatch>(std::move(platform));
        Watch1->OnKeyNative = [this](std::int32_t wParam, std::int32_t lParam) {
            Watch1KeyNative(wParam, lParam);
        };
        Watch1->OnMouseDown = [this](MouseButton b, ShiftState s, int x, int y) {
            Watch1MouseDown(b, s, x, y);
        };
        Watch1->OnMouseUp = [this](MouseButton b, ShiftState s, int x, int y) { Watch1MouseUp(b, s, x, y); };
        Watch1->OnMouseMove = [this](ShiftState s, int x, int y) { Watch1MouseMove(s, x, y); };
    }
    KMCheckBox->setEnabled(Watch1 || context_.idleTime);
}

// Run by the condition boxes' handler, also while the settings are loading: the watch runs exactly
// while the input condition is on. A start of a kind already watched changes nothing.
void TMainForm::startOrStopWatch() {
    if (!Watch1)
        return;
    if (KMCheckBox->isChecked()) {
        Watch1->StartWatch(WatchMouse);
        Watch1->StartWatch(WatchKeyboard);
    } else {
        Watch1->StopWatch(WatchMouse);
        Watch1->StopWatch(WatchKeyboard);
    }
}

void TMainForm::Watch1KeyNative(std::int32_t, std::int32_t) {
    state_.inputSeen = true;
}

void TMainForm::Watch1MouseDown(MouseButton, ShiftState, int, int) {
    state_.inputSeen = true;
}

void TMainForm::Watch1MouseUp(MouseButton, ShiftState, int, int) {
    state_.inputSeen = true;
}

// A pointer that trembles on the desk is nobody at work: a move counts once it leaves the square of 15
// pixels around the last position that counted.
void TMainForm::Watch1MouseMove(ShiftState, int X, int Y) {
    if (std::abs(LastMouseX - X) <= JitterPixels && std::abs(LastMouseY - Y) <= JitterPixels)
        return;
    LastMouseX = X;
    LastMouseY = Y;
    state_.inputSeen = true;
}

// Once a tick, and only while the input condition is on.
void TMainForm::readIdleTime() {
    if (context_.idleTime && state_.conditions.input &&
        idleInput_.inputSeen(context_.idleTime->idleMilliseconds()))
        state_.inputSeen = true;
}

QString TMainForm::inputUnmeasuredReason() {
    const bool measuring = context_.idleTime ? idleInput_.measuring() : Watch1 && Watch1->watching();
    return measuring ? QString() : text("IDS_906");
}

} // namespace vespera
