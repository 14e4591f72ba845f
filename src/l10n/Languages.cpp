#include "l10n/Languages.h"

namespace vespera {

QStringList twoLanguageNames() {
    return {QStringLiteral("Deutsch"), QStringLiteral("English")};
}

QStringList updateWindowLanguageNames() {
    return {QStringLiteral("GERMAN"), QStringLiteral("ENGLISH"), QStringLiteral("SPAIN"),
            QStringLiteral("ITALIAN"), QStringLiteral("FRANCE")};
}

QString languageOutOfRangeMessage(const QString& owner, int language, int count) {
    return QStringLiteral("%1: %2 - is not a valid property value!\rValue must be within [1..%3]!")
        .arg(owner, QString::number(language), QString::number(count));
}

QString unknownLanguageNameMessage() {
    return QStringLiteral("Language name shall be included in LangNames property!");
}

} // namespace vespera
