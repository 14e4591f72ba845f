#include "l10n/StartupLanguage.h"

#include "l10n/Languages.h"

#include <QDir>
#include <QFileInfo>

namespace vespera {

int startupLanguage(int current, bool settingsFileExists, std::optional<int> storedLanguage,
                    bool markerFileExists) {
    if (!settingsFileExists)
        return markerFileExists ? English : current;
    return storedLanguage.value_or(current);
}

bool languageMarkerExists(const QString& programFolder) {
    return QFileInfo::exists(QDir(programFolder).filePath(QString::fromLatin1(LanguageMarkerFileName)));
}

} // namespace vespera
