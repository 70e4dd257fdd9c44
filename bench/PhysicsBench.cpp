// One physics step per vessel, for the fighter and the shell as their modules define them.
#include <cmath>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "HostAPI.h"
#include "core/Host.h"
#include "physics/Dynamics.h"
#include "physics/Frames.h"

namespace {

namespace phys = host::physics;

// A vessel of the class at the altitude, flying at `speed` along its nose, levelled or landed,
// a fighter with its main engine at `main`.
host::VesselRecord& Make(const std::string& className, int index, double altitude, double speed, bool landed,
                         double main = 1) {
    host::Host& h = host::Host::Instance();
    h.modules.SetSearchPath({CORVEX_MODULE_DIR});
    const double lng = 1e-4 * index;  // about 640 m apart
    const glm::dvec3 pos = phys::FromEquPos(lng, 0, phys::kPlanetRadius + altitude);
    const glm::dmat3 rot = phys::RotationFromAttitude(pos, {0.03, 0, 1.0});
    VESSELSTATUS s{};
    s.rpos = phys::ToVector3(pos);
    s.rvel = phys::ToVector3(rot * glm::dvec3(0, 0, speed));
    s.arot = phys::ToVector3(phys::AnglesFromRotation(rot));
    s.fuel = 1;
    s.eng_main = main;
    s.status = landed ? 1 : 0;
    OBJHANDLE handle = oapiCreateVessel((className + std::to_string(index)).c_str(), className.c_str(), s);
    return *h.vessels.Find(handle);
}

// Runs `step` per iteration, putting the vessels back where they began now and then so that
// they never run dry or reach the ground.
template <class Step>
void Measure(benchmark::State& state, const std::vector<host::VesselRecord*>& vessels, Step step) {
    std::vector<host::VesselRecord> start;
    for (const host::VesselRecord* rec : vessels) start.push_back(*rec);
    std::int64_t n = 0;
    for (auto _ : state) {
        step();
        if (++n % 1024 == 0)
            for (std::size_t i = 0; i < vessels.size(); ++i) {
                vessels[i]->state = start[i].state;
                vessels[i]->def.tanks = start[i].def.tanks;
            }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(vessels.size()));
    host::Host::Instance().Reset();
}

void Single(benchmark::State& state, const char* className, double altitude, double speed, bool landed,
            double main) {
    host::VesselRecord& rec = Make(className, 0, altitude, speed, landed, main);
    const double dt = host::Host::Instance().clock.step;
    Measure(state, {&rec}, [&] { phys::AdvanceVessel(rec, dt); });
}

void FighterInFlight(benchmark::State& state) { Single(state, "Corvex", 1000, 170, false, 1); }
void FighterLanded(benchmark::State& state) { Single(state, "Corvex", 0, 0, true, 0); }
// Full thrust on the ground: sliding on its touchdown points, the dearest case.
void FighterTakeoffRoll(benchmark::State& state) { Single(state, "Corvex", 0, 0, true, 1); }
void ShellInFlight(benchmark::State& state) { Single(state, "Pellix", 1000, 1000, false, 0); }

// A sky of fighters and their shells, in the proportion of a busy battle.
void CrowdedSky(benchmark::State& state) {
    std::vector<host::VesselRecord*> vessels;
    for (int i = 0; i < state.range(0); ++i)
        vessels.push_back(&Make(i % 4 == 3 ? "Pellix" : "Corvex", i, 1000 + 10 * (i % 50), i % 4 == 3 ? 1000 : 170, false));
    const double dt = host::Host::Instance().clock.step;
    Measure(state, vessels, [&] { phys::Advance(vessels, dt); });
}

}  // namespace

BENCHMARK(FighterInFlight);
BENCHMARK(FighterLanded);
BENCHMARK(FighterTakeoffRoll);
BENCHMARK(ShellInFlight);
BENCHMARK(CrowdedSky)->Arg(1000)->Unit(benchmark::kMicrosecond);
