// libFuzzer target: any bytes through the scenario reader and the host's line reader must end in a
// clean error or a finite state, never in a crash, a hang or undefined behaviour.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/ModuleLoader.h"
#include "scenario/Document.h"
#include "scenario/StandardLines.h"

namespace {

namespace hs = host::scenario;

bool Finite(const glm::dvec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

void ReadBlock(const hs::VesselBlock& block) {
    const hs::VesselShape shape{{750.0, 10.0}, 16};
    const hs::FindLeader findLeader = [](std::string_view name, std::string& problem) -> std::optional<host::RigidState> {
        if (name == "Leader") return host::RigidState{};
        problem = "no such vessel";
        return std::nullopt;
    };
    hs::Placement placement;
    for (const hs::Line& line : block.lines) {
        std::string problem;
        const hs::LineResult result = hs::ReadStandardLine(line.text, line.number, shape, findLeader, placement, problem);
        if (result == hs::LineResult::Bad) {
            if (problem.empty()) __builtin_trap();  // every refusal must say why
            return;
        }
    }
    const hs::Setup setup = hs::Resolve(placement, shape);
    const host::RigidState& s = setup.state;
    if (!Finite(s.pos) || !Finite(s.vel) || !Finite(s.angVel) || !Finite(s.rot[0]) || !Finite(s.rot[1]) ||
        !Finite(s.rot[2]))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const hs::Document doc = hs::ParseDocument({reinterpret_cast<const char*>(data), size}, "fuzz.scn");
        for (const hs::VesselBlock& block : doc.vessels) ReadBlock(block);
    } catch (const host::Error&) {
    }
    return 0;
}
