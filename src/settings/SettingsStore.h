#pragma once

#include "settings/Settings.h"
#include "settings/SettingsWriteError.h"

#include <QString>

namespace vespera {

// The settings file "vsp-settings.ini" with its one section "Settings". Reading never fails: a missing
// file, key or unreadable value gives the default. Writing replaces the file atomically and keeps every
// line the program does not know where it was; a failed write throws SettingsWriteError and leaves the
// file as it was.
class SettingsStore {
public:
    // folder: the ".../ORBELAN/Vespera" folder that holds the file.
    explicit SettingsStore(QString folder);

    // The folder below the user's configuration folder.
    static QString settingsFolder(const QString& configFolder);

    QString folder() const { return folder_; }
    QString filePath() const;
    // A settings file is there (the run is not a first start).
    bool exists() const;
    // Creates the folder with its missing parents; false when that fails.
    bool ensureFolder() const;

    // Every key in the order of the file's key table, with its default; Language defaults to
    // defaultLanguage. The values are the file's: mapping time to the period selector and switching on
    // the processor condition when no condition is enabled are the window's part.
    Settings load(int defaultLanguage) const;

    // Writes every key except fmaxdaempfung, which only a hand edit sets. Throws SettingsWriteError
    // when the folder or file cannot be written, and also when an existing file cannot be read, since
    // writing over it would lose the lines the program does not know.
    void save(const Settings& settings) const;

    // The settings a file's bytes hold, each missing or unreadable key at its default.
    static Settings parse(const QByteArray& bytes, int defaultLanguage);
    // A file's bytes with every written key set to the settings' value and every other line kept.
    static QByteArray update(const QByteArray& bytes, const Settings& settings);

private:
    QString folder_;
};

} // namespace vespera
