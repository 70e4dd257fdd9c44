// One HUD frame of the player's fighter with a crossing target in gun range: the host's standard
// HUD, the lead sight's iteration, the projections and the recording of every mark.
#include <benchmark/benchmark.h>

#include "Corvex.h"
#include "HostAPI.h"
#include "Vessel.h"
#include "core/Host.h"
#include "hud/FocusHud.h"
#include "physics/Frames.h"

namespace {

namespace phys = host::physics;

// Level at the north pole, where the fighter's frame is the global one.
OBJHANDLE Fighter(const char* name, const glm::dvec3& offset, const glm::dvec3& velocity) {
    VESSELSTATUS s{};
    s.rpos = {offset.x, phys::kPlanetRadius + 1000 + offset.y, offset.z};
    s.rvel = phys::ToVector3(velocity);
    s.fuel = 1;
    return oapiCreateVessel(name, "Corvex", s);
}

void FighterHudFrame(benchmark::State& state) {
    host::Host& h = host::Host::Instance();
    h.Reset();
    h.modules.SetSearchPath({CORVEX_MODULE_DIR});
    const OBJHANDLE own = Fighter("PLAYER", {0, 0, 0}, {0, 0, 200});
    const OBJHANDLE target = Fighter("BANDIT", {40, 20, 700}, {90, 0, 150});
    oapiSetFocusObject(own);
    static_cast<Corvex*>(oapiGetVesselInterface(own))->target = target;
    const HUDPAINTSPEC spec{1024, 768, 512, 384, 10, 20};
    const host::HudFrame first = host::DrawFocusHud(h, spec, 1);
    if (first.ellipses.empty()) state.SkipWithError("no reticle: the target is not in gun range");
    for (auto _ : state) benchmark::DoNotOptimize(host::DrawFocusHud(h, spec, 1));
    h.Reset();
}

}  // namespace

BENCHMARK(FighterHudFrame);
BENCHMARK_MAIN();
