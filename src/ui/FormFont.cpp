#include "ui/FormFont.h"

namespace vespera {

QStringList formFontFamilies() {
    return {QStringLiteral("Segoe UI"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont formFont(int pixelSize) {
    QFont font;
    font.setFamilies(formFontFamilies());
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace vespera
