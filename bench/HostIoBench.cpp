// What meshes, keys and the event log cost the host.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "HostAPI.h"
#include "Vessel.h"
#include "assets/MeshLibrary.h"
#include "assets/ObjMeshFile.h"
#include "core/Host.h"
#include "io/EventLog.h"

namespace {

// A vessel's first AddMesh of a name reads the file.
void ReadFighterMesh(benchmark::State& state) {
    const auto file = host::DefaultMeshDirectory() / "ShuttlePB.obj";
    for (auto _ : state) benchmark::DoNotOptimize(host::ReadObjMesh(file));
}
BENCHMARK(ReadFighterMesh);

// Every later one, as each respawned fighter makes, finds it read.
void AddCachedMesh(benchmark::State& state) {
    host::Host& h = host::Host::Instance();
    h.modules.SetSearchPath({host::DefaultModuleDirectory()});
    VESSELSTATUS status{};
    status.rpos = {6.4e6, 0, 0};
    VESSEL* v = oapiGetVesselInterface(oapiCreateVessel("F", "Corvex", status));
    for (auto _ : state) {
        v->ClearMeshes(false);
        benchmark::DoNotOptimize(v->AddMesh("Corvex/CrashWreck1"));
    }
    h.Reset();
}
BENCHMARK(AddCachedMesh);

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

// A step of one fighter, and the same step with a key through the queue to it, logged as a JSON
// line: the difference is what a key costs.
void StepWithLoggedKey(benchmark::State& state) {
    host::Host& h = host::Host::Instance();
    h.modules.SetSearchPath({host::DefaultModuleDirectory()});
    NullBuffer nothing;
    std::ostream out(&nothing);
    host::LogEvents(h, out);
    VESSELSTATUS status{};
    status.rpos = {6.4e6, 0, 0};
    oapiSetFocusObject(oapiCreateVessel("F", "Corvex", status));
    for (auto _ : state) {
        if (state.range(0)) h.keyboard.Push({h.clock.Now(), OAPI_KEY_M, true});
        h.Step();
    }
    h.Reset();
}
BENCHMARK(StepWithLoggedKey)->Arg(0)->Arg(1);

}  // namespace
