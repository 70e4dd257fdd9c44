#include "Thrust.h"

#include <algorithm>

#include "core/VesselRecord.h"

namespace host::physics {

namespace {

bool Fires(const Thruster& th) { return th.level > 0 && th.maxThrust > 0 && th.tank >= 0 && th.isp > 0; }

// Thrust falls linearly from vacuum to the reference pressure when the thruster has a reference
// specific impulse; the propellant flow stays that of vacuum.
double PressureFactor(const Thruster& th, double pressure) {
    if (th.ispRef <= 0 || th.pRef <= 0) return 1;
    return std::max(0.0, 1 - (th.isp - th.ispRef) / th.isp * pressure / th.pRef);
}

}  // namespace

Load BurnThrusters(Definition& def, double pressure, double dt) {
    Load load;
    for (std::size_t t = 0; t < def.tanks.size(); ++t) {
        Tank& tank = def.tanks[t];
        double demand = 0;  // kg this step
        for (const Thruster& th : def.thrusters)
            if (Fires(th) && th.tank == static_cast<int>(t)) demand += th.maxThrust * th.level / (th.isp * tank.efficiency) * dt;
        if (demand == 0) continue;
        const double share = std::min(1.0, tank.mass / demand);
        tank.mass = std::max(0.0, tank.mass - demand);
        if (share <= 0) continue;
        for (const Thruster& th : def.thrusters) {
            if (!Fires(th) || th.tank != static_cast<int>(t)) continue;
            const glm::dvec3 f = th.dir * (th.maxThrust * th.level * share * PressureFactor(th, pressure));
            load.force += f;
            load.torque += glm::cross(th.pos, f);
        }
    }
    return load;
}

}  // namespace host::physics
