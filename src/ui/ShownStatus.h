#pragma once

#include <QString>

namespace vespera {

// The status line, its hint and the tray hint as the window shows them, made from the watch's lines.
// The tick hands the lines over every second, but while the count is held back they stay the same;
// the shown texts are then kept instead of made again.
class ShownStatus {
public:
    void update(const QString& statusLine, const QString& lastResetLine, const QString& trayHint);

    const QString& status() const { return status_; }
    const QString& statusHint() const { return statusHint_; }
    const QString& trayHint() const { return trayHint_; }

private:
    QString statusLine_;
    QString lastResetLine_;
    QString trayLine_;
    QString status_;
    QString statusHint_;
    QString trayHint_;
    bool made_ = false;
};

} // namespace vespera
