#pragma once

#include "platform/ProcessSource.h"
#include "platform/ProgramStartWatch.h"
#include "sensors/TCPULOAD.h"

#include <QTimer>

#include <cstdint>
#include <vector>

namespace vespera {

// Keeps the running processes and, per process, the processor time it used between its two latest
// readings. It samples on its own timer, but only while a consumer needs its values (the process
// condition, or a window that shows a program's usage); without one it holds nothing and costs nothing.
//
// A sample lists the process ids only now and then: while the system's newest process id stays the same
// no new process can be there (and an ended one fails its next reading); when it moved by a few, the
// ids after the one before are the new processes (and threads, which the source turns away). A listing
// comes at the first sample, when the newest id cannot be read or moved by more than ProbeLimit (or went
// back: the ids wrapped around), and at least every RelistSamples samples, which drops the processes
// that ended unread. It reads a process's name and times only where that can tell something: a process
// seen for the first time (its program path is read once, then; while the start watch follows, a new one
// whose program file can be told and is none asked about waits for the next listing), every process whose
// name can match a consumer's program (each sample), and the others as follows. A process may start another
// program without a new process being made; two ways notice it. While every consumer asks for one program
// file and the program start watch follows those files, the others are not read again: a start seen there (an
// opening of such a file), or the watch beginning or ceasing to follow, has that sample and the next list and
// read every process. Otherwise a process is read again at the next sample (a fresh child usually starts its
// own program within that time) and then in turn, each at least every RecheckSamples samples (one second
// each). A changed name or start time marks a process that runs another program: its path is read again and
// its times start over. The system's short name alone is no safe filter for the path (it is cut to 15
// characters, names a script rather than its interpreter and a process may change it), hence the one path
// reading per new process. A full reading (verifyAll) lists and reads every process at once; the process
// condition asks for it before the count may run out.
//
// History stays with the process id for as long as the process lives. Times are only taken as an
// interval when at least MinIntervalMs lie between two readings, so an early extra reading never turns
// a busy program into a quiet one through a too short interval.
class TProcessManager {
public:
    static constexpr int RecheckSamples = 8;
    static constexpr std::uint32_t ProbeLimit = 32;
    static constexpr int RelistSamples = 60;
    static constexpr std::uint32_t MinIntervalMs = 750;
    // Samples that read every process after a program start: the opening comes before the process shows
    // the new program.
    static constexpr int SamplesAfterStart = 2;

    // What a consumer asks about: any process whose name contains the program's file name, or only the
    // processes that run that very program file.
    enum class Interest { Name, Program };

    // Without a program start watch, every process is read in turn.
    explicit TProcessManager(ProcessSource& source, ProgramStartWatch* starts = nullptr,
                             int intervalMs = 1000);

    void setInterval(int intervalMs);

    // A consumer starts needing the values, or changes the program it asks about; the first consumer
    // starts the sampling with a sample at once.
    void need(const void* consumer, const QString& programPath, Interest interest = Interest::Name);
    // The consumer no longer needs them; after the last one the sampling stops and the list is dropped.
    void release(const void* consumer);
    bool sampling() const { return !consumers_.empty(); }

    // The timer's work: one sample.
    void SampleProcessTimes();
    // Every process read now; the timed samples keep their time (an interval shorter than MinIntervalMs
    // is not taken).
    void verifyAll();

    // Processor use of a process in percent of one processor over its last interval; 0 when the id is
    // not listed or the interval is empty.
    int GetProcessUsage(std::uint32_t processId) const;
    const TCPULOADS& GetLoads() const { return records_; }
    // The last listing succeeded.
    bool listed() const { return listed_; }
    // A consumer asks about a program of this file name (lower case): the processes whose name contains
    // it are the ones marked watched.
    bool asksAbout(const QString& name) const;

    // A duration in 100-ns units as whole milliseconds, truncated, modulo 2^32.
    static std::uint32_t CpuTimeMs(std::uint64_t duration);

private:
    enum class Scope { Due, All };
    // How a sample found its ids: a listing, the records with the ids after the newest one before, or
    // the records alone (no process was made since the sample before).
    enum class Ids { Listed, Probed, Unchanged };
    struct Consumer {
        const void* id;
        QString name; // the program's file name in lower case
        QString path;
        Interest interest;
    };

    void RefreshProcessList(Scope scope);
    Ids findIds(Scope scope);
    Scope followStarts();
    void watchStarts();
    bool keep(TCPULOAD& record, Scope scope);
    void addFresh(std::uint32_t id, bool probed);
    // While the start watch follows every program asked about, a process that does not run one is read
    // once: turning into one opens its file, which the watch sees. Asked of every process each second.
    bool needsReading(const TCPULOAD& record, Scope scope) const {
        return scope == Scope::All || record.watched ||
               (!startsSeen_ && (!record.measured() || (record.processId + round_) % RecheckSamples == 0));
    }
    bool watchedName(const QString& matchName) const;
    void markWatched();
    bool mayRunWatched(std::uint32_t id);
    void start(TCPULOAD& record);
    void identify(TCPULOAD& record);
    void takeTimes(TCPULOAD& record);

    ProcessSource& source_;
    QTimer timer_;
    ProgramStartWatch* starts_;
    std::vector<Consumer> consumers_;
    TCPULOADS records_;
    TCPULOADS fresh_; // the new processes of a sample; retained, so a steady sample allocates nothing
    std::vector<std::uint32_t> ids_;
    ProcessStat stat_;
    std::uint64_t round_ = 0;
    std::uint32_t newestId_ = 0; // read at the last sample
    bool newestIdKnown_ = false;
    int samplesSinceListing_ = 0;
    bool startsSeen_ = false; // the start watch follows every consumer's program
    int samplesReadingAll_ = 0;
    bool listed_ = false;
};

} // namespace vespera
