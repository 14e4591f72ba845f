#pragma once

#include "engine/LineWriter.h"
#include "platform/PowerBackend.h"

namespace vespera {

// Performs nothing: writes the action it would perform as a line (to standard error in the program) and
// reports success. Chosen with VESPERA_DRY_RUN=1, so a watch can be tried out on a machine that must
// stay on.
class DryRunPowerBackend : public PowerBackend {
public:
    explicit DryRunPowerBackend(LineWriter out);

    PowerResult powerOff() override;
    PowerResult reboot() override;
    PowerResult suspend() override;
    PowerResult hibernate() override;
    PowerResult logOff() override;
    bool canHibernate() override { return true; }
    QString canRequest(PowerRequest) override { return QStringLiteral("yes"); }

private:
    PowerResult note(const char* action);

    LineWriter out_;
};

} // namespace vespera
