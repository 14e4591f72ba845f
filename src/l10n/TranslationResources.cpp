#include "l10n/TranslationResources.h"

#include <QtGlobal>

// The tables are compiled into a static library; registering them by hand keeps the linker from
// dropping them from a program that reads them. The macro must be used outside any namespace.
static void registerTranslationTables() {
    Q_INIT_RESOURCE(vespera_translations);
}

namespace vespera {

QString translationTablePath(const QString& formClassName) {
    return QStringLiteral(":/translations/%1.tbl").arg(formClassName);
}

TranslationTable shippedTranslationTable(const QString& formClassName) {
    registerTranslationTables();
    return TranslationTable::fromFile(translationTablePath(formClassName));
}

} // namespace vespera
