#pragma once

#include <QString>

#include <optional>

namespace vespera {

// The file whose presence in the program folder makes English the language of a first start.
inline constexpr char LanguageMarkerFileName[] = "Language_EN.ini";

// The language to select at start-up, given the language active at that moment. While there is no
// settings file, the marker file makes it English (only its presence counts). With a settings file
// the marker is ignored and the stored "Language" value wins; without that key the language stays.
// The result is not checked: selecting it refuses a number out of range.
int startupLanguage(int current, bool settingsFileExists, std::optional<int> storedLanguage,
                    bool markerFileExists);

// Whether the marker file is in the given program folder.
bool languageMarkerExists(const QString& programFolder);

} // namespace vespera
