#include "StreamLevel.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

double Clamped(double level) { return std::isnan(level) ? 0.0 : std::clamp(level, 0.0, 1.0); }

}  // namespace

double StreamLevel(const VesselRecord& rec, const ParticleStream& stream) {
    if (rec.deleted || !stream.alive) return 0;
    if (stream.thruster < 0) return stream.level ? Clamped(*stream.level) : 0;
    if (stream.thruster >= static_cast<int>(rec.def.thrusters.size())) return 0;
    const Thruster& thruster = rec.def.thrusters[stream.thruster];
    const bool fuelled = thruster.tank < 0 || rec.def.tanks[thruster.tank].mass > 0;
    return fuelled ? Clamped(thruster.level) : 0;
}

}  // namespace host
