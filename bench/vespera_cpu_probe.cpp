// The processor sampler as a command-line program, for tools/cpu-reference: for every line read from
// standard input it takes one sample and prints the load of each processor in percent, then the
// CpuLoad of the average method.
#include "settings/Settings.h"
#include "engine/WatchState.h"
#include "platform/CpuCounterSource.h"
#include "sensors/CpuLoadSampling.h"
#include "sensors/CpuSampler.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

int main() {
    vespera::CpuSampler sampler(vespera::createCpuCounterSource());
    vespera::CpuLoadSampling sampling(sampler);
    vespera::WatchState state;
    const vespera::Settings settings;
    std::string line;
    try {
        while (std::getline(std::cin, line)) {
            sampling.SampleCpuLoad(state, settings);
            for (int i = 0; i + 1 < sampler.GetCpuInstanceCount(); ++i)
                std::printf("%.2f ", sampler.GetCpuInstanceLoad(i) * 100.0);
            std::printf("%d\n", state.cpuLoad);
            std::fflush(stdout);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vespera-cpu-probe: %s\n", e.what());
        return 1;
    }
    return 0;
}
