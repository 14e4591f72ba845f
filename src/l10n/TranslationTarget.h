#pragma once

#include "l10n/TranslationAssignment.h"

namespace vespera {

// The parts of a window that translation sets. The window's side resolves the component, leaves
// alone what does not exist or already shows the text, and assigns the rest.
class TranslationTarget {
public:
    virtual ~TranslationTarget() = default;
    virtual void apply(const TranslationAssignment& assignment) = 0;
};

} // namespace vespera
