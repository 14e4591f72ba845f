#include "ui/ShownStatus.h"

#include "l10n/DisplayText.h"

namespace vespera {

// The hints carry the last reset line under the status, when there is one. The tray hint is mostly the
// status line itself.
void ShownStatus::update(const QString& statusLine, const QString& lastResetLine, const QString& trayHint) {
    if (made_ && statusLine == statusLine_ && lastResetLine == lastResetLine_ && trayHint == trayLine_)
        return;
    made_ = true;
    statusLine_ = statusLine;
    lastResetLine_ = lastResetLine;
    trayLine_ = trayHint;
    const QString why =
        lastResetLine.isEmpty() ? QString() : QStringLiteral("\n") + displayText(lastResetLine);
    status_ = displayText(statusLine);
    statusHint_ = status_ + why;
    trayHint_ = trayHint == statusLine ? statusHint_ : displayText(trayHint) + why;
}

} // namespace vespera
