#include "l10n/TableSection.h"

#include <array>

namespace vespera {

namespace {

constexpr std::array<const char16_t*, TableSectionCount> SectionNames = {
    u"stCaptions",   u"stHints",        u"stDisplayLabels", u"stFonts",
    u"stMultiLines", u"stDlgsCaptions", u"stStrings",       u"stOtherStrings",
    u"stLocales",    u"stCollections",  u"stCharSets",
};

} // namespace

QString tableSectionName(TableSection section) {
    return QString::fromUtf16(SectionNames[static_cast<std::size_t>(section)]);
}

std::optional<TableSection> tableSectionFromName(QStringView name) {
    for (std::size_t i = 0; i < SectionNames.size(); ++i) {
        if (name == QStringView(SectionNames[i]))
            return static_cast<TableSection>(i);
    }
    return std::nullopt;
}

} // namespace vespera
