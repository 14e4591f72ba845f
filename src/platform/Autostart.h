#pragma once

#include <QString>

namespace vespera {

// The per-user entry that starts the program when the user logs on, named "Kestrelbook". Only the
// user's menu toggle adds or removes it; start-up never touches it.
class Autostart {
public:
    // configFolder: the user's configuration folder, as configFolder() gives it.
    explicit Autostart(QString configFolder);

    // Where the entry lives.
    QString entryPath() const;

    // Writes the entry, in one step, so that it starts programFile (a full path). Throws
    // SettingsWriteError when it cannot be written.
    void addAutostartEntry(const QString& programFile) const;

    // Deletes the entry if there is one. Throws SettingsWriteError when it is there and stays.
    void removeAutostartEntry() const;

private:
    QString configFolder_;
};

} // namespace vespera
