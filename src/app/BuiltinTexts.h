#pragma once

#include "app/TextSource.h"

namespace vespera {

// The main window's keyed texts in German (1) and English (2).
class BuiltinTexts : public TextSource {
public:
    explicit BuiltinTexts(int language) : language_(language) {}
    QString lookupText(const QString& key) const override;

private:
    int language_;
};

} // namespace vespera
