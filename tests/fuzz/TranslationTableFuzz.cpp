// Feeds arbitrary bytes to the translation table reader and to everything that reads its rows.
#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationTable.h"

#include <cstddef>
#include <cstdint>

using namespace vespera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FormTranslator translator(TranslationTable::fromBytes(bytes), QStringLiteral("TMainForm"),
                              twoLanguageNames(), {QStringLiteral("Edit1")});
    for (const int language : {German, English}) {
        translator.selectLanguage(language);
        for (const TranslationRow& row : translator.table().rows()) {
            translator.lookupText(row.key);
            translator.dialogText(row.key);
        }
        translator.assignments();
    }
    return 0;
}
