// The game's command-line program: runs a battle headless and reports what happened.
#include <cmath>
#include <cstdio>

#include <CLI/CLI.hpp>
#include <fmt/core.h>

#include "HostAPI.h"
#include "Vessel.h"
#include "core/Host.h"
#include "physics/Frames.h"

namespace {

// A small built-in setup until scenario files arrive: a player and two enemies in a row.
void CreateBuiltInSetup() {
    const char* names[] = {"Player", "Red-1", "Red-2"};
    for (int i = 0; i < 3; ++i) {
        VESSELSTATUS status{};
        const glm::dvec3 pos = host::physics::FromEquPos(0.0, 0.0, host::physics::kPlanetRadius + 1000.0) +
                               glm::dvec3(0, 0, 500.0 * i);
        status.rpos = host::physics::ToVector3(pos);
        status.fuel = 1;
        if (!oapiCreateVessel(names[i], "Corvex", status)) throw host::Error("could not create the built-in fighters");
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Corvex air combat: runs a battle headless"};
    double duration = 10;
    std::string moduleDir = host::DefaultModuleDirectory().string();
    app.add_option("-t,--time", duration, "Simulated seconds to run")->check(CLI::Range(0.0, 1e7));
    app.add_option("--modules", moduleDir, "Directory of the vessel modules")->check(CLI::ExistingDirectory);
    CLI11_PARSE(app, argc, argv);

    host::Host& host = host::Host::Instance();
    host.modules.SetSearchPath({moduleDir});
    try {
        CreateBuiltInSetup();
    } catch (const host::Error& e) {
        fmt::print(stderr, "corvex: {}\n", e.what());
        return 1;
    }
    const auto steps = static_cast<std::uint64_t>(std::ceil(duration / host.clock.step));
    for (std::uint64_t i = 0; i < steps; ++i) host.Step();

    fmt::print("ran {:.2f} s of simulated time in {} steps with {} vessels\n", host.clock.Now(), steps,
               oapiGetVesselCount());
    for (DWORD i = 0; i < oapiGetVesselCount(); ++i) {
        VESSEL* v = oapiGetVesselInterface(oapiGetVesselByIndex(static_cast<int>(i)));
        fmt::print("  {} ({}): altitude {:.1f} m\n", v->GetName(), v->GetClassNameA(), v->GetAltitude());
    }
    host.Reset();
    return 0;
}
