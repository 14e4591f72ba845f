#pragma once

#include <QString>

namespace vespera {

class TextSource;
class TProcessManager;

// The process condition of the watch: whether the watched program still works, and the status text of
// the information panel. While it is on, it keeps the process manager sampling, asking about its program
// file only (so the manager may follow that program's starts instead of reading every process in turn).
//
// The program works while a process runs it (its program path equals the setting `process`, ASCII case
// ignored) and either that process has not yet been measured over a full interval or the program's
// share (GetProcessLoad) reaches `processpercent`. What cannot be measured counts as working: an empty
// setting, or a process list that cannot be read.
class ProcessCondition {
public:
    enum class Unmeasured { None, NoProgram, NoProcessList };

    explicit ProcessCondition(TProcessManager& manager);
    ~ProcessCondition();
    ProcessCondition(const ProcessCondition&) = delete;
    ProcessCondition& operator=(const ProcessCondition&) = delete;

    // The condition is switched on for a program, or off.
    void watch(bool on, const QString& process);

    // The busy test of one tick. With finalCheck (the count may run out in this tick) every process is
    // read afresh first, so a program started or switched to since the last readings is not missed.
    bool busy(const QString& process, int processpercent, bool finalCheck);
    // Why the last busy test could not measure.
    Unmeasured unmeasured() const { return unmeasured_; }

    // "Überwachter Prozess: " and the program's file name, the threshold (at most "100") and the current
    // share, each on its own line ending in CR LF.
    QString statusText(const TextSource& texts, const QString& process, int processpercent) const;

private:
    TProcessManager& manager_;
    Unmeasured unmeasured_ = Unmeasured::None;
};

} // namespace vespera
