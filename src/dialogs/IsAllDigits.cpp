#include "dialogs/IsAllDigits.h"

#include <algorithm>

namespace vespera {

bool IsAllDigits(QStringView text) {
    return !text.isEmpty() && std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace vespera
