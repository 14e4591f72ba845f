#include "ui/ShownStatus.h"

#include "l10n/DisplayText.h"

namespace vespera {

// The hints carry the last reset line under the status, when there is one.
void ShownStatus::update(const QString& statusLine, const QString& lastResetLine, const QString& trayHint) {
    if (made_ && statusLine == statusLine_ && lastResetLine == lastResetLine_ && trayHint == trayLine_)
        return;
    made_ = true;
    statusLine_ = statusLine;
    lastResetLine_ = lastResetLine;
    trayLine_ = trayHint;
    const QString why = lastResetLine.isEmpty() ? QString() : QStringLiteral("\r\n") + lastResetLine;
    status_ = displayText(statusLine);
    statusHint_ = displayText(statusLine + why);
    trayHint_ = displayText(trayHint + why);
}

} // namespace vespera
