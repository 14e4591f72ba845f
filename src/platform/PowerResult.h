#pragma once

#include <QString>

namespace vespera {

// The outcome of one request to the power side of the system. A refused or failed request carries the
// system's own words, so the window can tell the user why the machine is still running.
struct PowerResult {
    bool ok = true;
    QString errorName; // e.g. "org.freedesktop.DBus.Error.AccessDenied"
    QString errorText; // e.g. "Permission denied"

    static PowerResult success() { return {}; }
    static PowerResult failure(const QString& name, const QString& text) { return {false, name, text}; }

    // "Permission denied (org.freedesktop.DBus.Error.AccessDenied)"; either part may be missing.
    QString describe() const {
        if (errorName.isEmpty())
            return errorText;
        if (errorText.isEmpty())
            return errorName;
        return errorText + QStringLiteral(" (") + errorName + QLatin1Char(')');
    }
};

} // namespace vespera
