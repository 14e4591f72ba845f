#pragma once

#include "ui/WizardChoice.h"

#include <QString>
#include <QStringList>

namespace vespera {

class TextSource;

// The texts the settings wizard builds from the user's choice: the mode name, the execution dates, the
// threshold and the summary of its last step, in the language of the wizard's table. Lines break with
// CR LF.
class WizardSummary {
public:
    explicit WizardSummary(const TextSource& texts);

    QString modeName(WizardEvent event) const;
    // "täglich an allen Wochentagen", "täglich am Montag, Freitag, " or "monatlich am 15. jeden Monats".
    QString datesText(const WizardSchedule& schedule) const;
    QString thresholdText(const WizardChoice& choice) const;
    // switchCaptions: the captions of the third step's five check boxes, in their order.
    QString summary(const WizardChoice& choice, const QStringList& switchCaptions) const;

    // The main window's network slider maximum for a threshold: one and a half times it, a half rounded
    // to the even neighbour (3 gives 4, 5 gives 8).
    static int netScaleMaximum(int netThreshold);

private:
    QString text(int number) const;

    const TextSource& texts_;
};

} // namespace vespera
