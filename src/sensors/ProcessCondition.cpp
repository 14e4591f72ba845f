#include "sensors/ProcessCondition.h"

#include "l10n/TextSource.h"
#include "sensors/ProcessLoad.h"
#include "sensors/ProcessManager.h"
#include "sensors/ProcessNames.h"

namespace vespera {

ProcessCondition::ProcessCondition(TProcessManager& manager) : manager_(manager) {}

ProcessCondition::~ProcessCondition() {
    manager_.release(this);
}

void ProcessCondition::watch(bool on, const QString& process) {
    if (on)
        manager_.need(this, process, TProcessManager::Interest::Program);
    else
        manager_.release(this);
}

bool ProcessCondition::busy(const QString& process, int processpercent, bool finalCheck) {
    unmeasured_ = Unmeasured::None;
    if (process.trimmed().isEmpty()) {
        unmeasured_ = Unmeasured::NoProgram;
        return true;
    }
    if (!manager_.sampling())
        manager_.need(this, process, TProcessManager::Interest::Program);
    if (finalCheck)
        manager_.verifyAll();
    if (!manager_.listed()) {
        unmeasured_ = Unmeasured::NoProcessList;
        return true;
    }
    const ProgramLoad program = programLoad(manager_, process);
    return program.running && (!program.measured || program.share >= processpercent);
}

QString ProcessCondition::statusText(const TextSource& texts, const QString& process,
                                     int processpercent) const {
    const QString lineEnd = QStringLiteral("\r\n");
    const QString threshold = processpercent > 100 ? QStringLiteral("100") : QString::number(processpercent);
    return texts.lookupText(QStringLiteral("IDS_165")) + fileNamePart(process) + lineEnd +
           texts.lookupText(QStringLiteral("IDS_166")) + threshold + QStringLiteral("%") + lineEnd +
           texts.lookupText(QStringLiteral("IDS_167")) + QString::number(GetProcessLoad(manager_, process)) +
           QStringLiteral("%") + lineEnd;
}

} // namespace vespera
