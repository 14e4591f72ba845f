#pragma once

#include <QString>

namespace vespera {

// Looks up a keyed text ("IDS_" and a number) of one window in the active language.
// An unknown key gives an empty text.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual QString lookupText(const QString& key) const = 0;
};

} // namespace vespera
