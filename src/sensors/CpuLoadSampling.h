#pragma once

namespace vespera {

class CpuSampler;
struct Settings;
struct WatchState;

// The main window's once-per-second processor sampling: turns the per-processor loads into the whole
// percent `CpuLoad` by the chosen method, damps it if asked, and gives the processor gauge's position.
class CpuLoadSampling {
public:
    explicit CpuLoadSampling(CpuSampler& sampler);

    // One tick. Takes a sample, writes state.cpuLoad and clears state.statusLine while the watch is not
    // armed; returns the gauge position (the load, at most 100), which the gauge shows as a whole
    // percent. Settings used: processormethod (0 = average over the processors, otherwise the highest
    // one), Daempfung and fmaxdaempfung.
    int SampleCpuLoad(WatchState& state, const Settings& settings);

    // Ticks since the last accepted value while damping is on.
    int DampCounter() const { return dampCounter_; }

    // The last tick measured: its sample and the one before it were read (the first sample after a
    // failure has nothing to compare with and reads 0).
    bool measuring() const { return goodSamples_ >= 2; }

private:
    int measure(int processormethod);
    double average();
    double highest();
    void damp(int& cpuLoad, int previous, int length);

    CpuSampler& sampler_;
    int dampCounter_ = 0;
    int goodSamples_ = 0; // samples read in a row, counted up to 2
};

} // namespace vespera
