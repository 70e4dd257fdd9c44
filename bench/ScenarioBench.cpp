// How long loading and saving a scenario takes as the number of fighters grows.
#include <benchmark/benchmark.h>

#include <string>

#include "core/Host.h"
#include "scenario/Scenario.h"

namespace {

std::string Formation(int fighters) {
    std::string text = "VESSEL F0:Corvex\n  LATITUDE 46.5\n  LONGITUDE 7.5\n  ALTITUDE 3000\n  AIRSPEED 180\nEND\n";
    for (int i = 1; i < fighters; ++i)
        text += "VESSEL F" + std::to_string(i) + ":Corvex\n  RELATIVE F" + std::to_string(i - 1) +
                " 50 0 -30\n  TEAM " + std::to_string(i % 3) + "\n  AIMODE 1\n  TARGET F0\nEND\n";
    return text;
}

void Fresh() {
    host::Host& host = host::Host::Instance();
    host.Reset();
    host.modules.SetSearchPath({CORVEX_MODULE_DIR});
}

void LoadScenario(benchmark::State& state) {
    const std::string text = Formation(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        Fresh();
        state.ResumeTiming();
        host::scenario::LoadScenarioText(text, "bench.scn");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void SaveScenario(benchmark::State& state) {
    Fresh();
    host::scenario::LoadScenarioText(Formation(static_cast<int>(state.range(0))), "bench.scn");
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::vector<std::string> warnings;
        bytes += host::scenario::ScenarioText(warnings).size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

BENCHMARK(LoadScenario)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveScenario)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
