#pragma once

#include <QString>

#include <stdexcept>

namespace vespera {

// A settings file (the settings themselves or the autostart entry) could not be written. what() names
// the file and the system's reason; the file on disk is the one from before the attempt.
class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const QString& message) : std::runtime_error(message.toStdString()) {}

    QString message() const { return QString::fromStdString(what()); }
};

} // namespace vespera
