// Cost of one intercept solution: a typical attack and the worst case, which runs all 101 passes.
#include <benchmark/benchmark.h>

#include "Geometry.h"

namespace {

const VECTOR3 kWeight{0, -4905, 0};  // a 500 kg fighter flying level

void Solve(benchmark::State& state, VECTOR3 relPos, VECTOR3 relVel, bool expectConverged) {
    for (auto _ : state) {
        VECTOR3 aim;
        const bool converged = SolveIntercept(relPos, relVel, kWeight, 350, aim);
        benchmark::DoNotOptimize(aim);
        if (converged != expectConverged) state.SkipWithError("unexpected outcome");
    }
}

// 800 m ahead and a little above, crossing at 120 m/s and closing at 40 m/s.
void TypicalAttack(benchmark::State& state) { Solve(state, {60, 40, 800}, {120, 5, -40}, true); }

// A target running away faster than the shell: the prediction never settles.
void WorstCase(benchmark::State& state) { Solve(state, {0, 0, 1000}, {0, 0, 400}, false); }

}  // namespace

BENCHMARK(TypicalAttack);
BENCHMARK(WorstCase);
