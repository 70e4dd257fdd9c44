#include "Aerodynamics.h"

#include <cmath>

#include "core/VesselRecord.h"

namespace host::physics {

double AngleOfAttack(const glm::dvec3& airVel) { return std::atan2(-airVel.y, airVel.z); }

Load AeroLoad(const Definition& def, const glm::dvec3& airVel, double density, const glm::dvec3& inertia) {
    Load load;
    const double speed2 = glm::dot(airVel, airVel);
    if (density <= 0 || speed2 == 0) return load;
    const double speed = std::sqrt(speed2);
    const double halfRho = 0.5 * density;
    const double cwZ = airVel.z >= 0 ? def.cwZPos : def.cwZNeg;
    const glm::dvec3 cwS(def.cwX * def.crossSections.x, def.cwY * def.crossSections.y, cwZ * def.crossSections.z);
    load.force = -halfRho * speed * cwS * airVel;

    const double planeSpeed2 = airVel.y * airVel.y + airVel.z * airVel.z;
    if (def.liftCoeff && planeSpeed2 > 0) {
        double cl = def.liftCoeff(AngleOfAttack(airVel));
        if (!std::isfinite(cl)) cl = 0;  // a module's bad curve must not poison the world
        const double planeSpeed = std::sqrt(planeSpeed2);
        const double force = halfRho * planeSpeed2 * def.crossSections.y * cl;
        load.force += force / planeSpeed * glm::dvec3(0, airVel.z, -airVel.y);
        // Induced drag coefficient CL^2 / (pi A e), with A the aspect ratio and e the efficiency.
        const double span = M_PI * def.wingAspect * def.wingEffectiveness;
        if (span > 0) load.force -= force * cl / span / planeSpeed * glm::dvec3(0, airVel.y, airVel.z);
    }

    const glm::dvec3 flow = airVel / speed;
    const double q = halfRho * speed2;
    load.torque = q * inertia *
                  glm::dvec3(-def.pitchMomentScale * flow.y, def.pitchMomentScale * flow.x, def.bankMomentScale * flow.x);
    return load;
}

glm::dvec3 RotationDampingRates(const Definition& def, double airspeed, const glm::dvec3& angVel, double density,
                                const glm::dvec3& inertia) {
    if (density <= 0) return glm::dvec3(0);
    const double size3 = def.size * def.size * def.size;
    return def.rotDrag * density * (airspeed + glm::abs(angVel) * def.size) * size3 / inertia;
}

}  // namespace host::physics
