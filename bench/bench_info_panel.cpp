// One rebuild of the information panel's system summary on this machine, as the monitoring tick does it
// every second while the watch is armed: the facts through the cache, then the text in German. Three
// cases: a tick within the cache's interval (text only), a tick that re-reads memory, battery and
// security products (one in every few seconds), and the readings the cache keeps for the whole run.
#include <benchmark/benchmark.h>

#include "l10n/FormTranslator.h"
#include "l10n/Languages.h"
#include "l10n/TranslationResources.h"
#include "platform/SystemInformation.h"
#include "sensors/InfoPanelText.h"
#include "sensors/SystemFactsCache.h"

#include <chrono>

namespace {

using vespera::SystemFactsCache;

void rebuild(benchmark::State& state, std::chrono::seconds advancePerTick) {
    const auto source = vespera::createSystemInformation();
    const vespera::FormTranslator texts(vespera::shippedTranslationTable("TMainForm"), "TMainForm",
                                        vespera::twoLanguageNames());
    std::chrono::steady_clock::time_point now{};
    SystemFactsCache cache(*source, [&now] { return now; });
    cache.facts();
    for (auto _ : state) {
        now += advancePerTick;
        vespera::SystemFacts facts = cache.facts();
        facts.screen = {1920, 1080, 24};
        benchmark::DoNotOptimize(vespera::systemSummary(facts, texts));
    }
}

void BM_RebuildFromCache(benchmark::State& state) {
    rebuild(state, std::chrono::seconds(0));
}

void BM_RebuildRereading(benchmark::State& state) {
    rebuild(state, SystemFactsCache::RereadAfter);
}

void BM_ReadFactsKeptForTheRun(benchmark::State& state) {
    const auto source = vespera::createSystemInformation();
    for (auto _ : state) {
        benchmark::DoNotOptimize(source->processor());
        benchmark::DoNotOptimize(source->operatingSystem());
    }
}

BENCHMARK(BM_RebuildFromCache);
BENCHMARK(BM_RebuildRereading);
BENCHMARK(BM_ReadFactsKeptForTheRun);

} // namespace
