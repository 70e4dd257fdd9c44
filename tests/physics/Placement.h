// Status records for vessels placed anywhere, with any attitude, for the physics tests.
#pragma once

#include <glm/glm.hpp>

#include "HostTypes.h"
#include "physics/Frames.h"

namespace phys = host::physics;

struct Placement {
    double lat = 0, lng = 0, altitude = 1000;  // rad, rad, m
    phys::Attitude attitude{0, 0, 0};          // pitch, bank, heading
    glm::dvec3 horizonVel{0};                  // east, up, north (m/s)
};

inline VESSELSTATUS StatusFor(const Placement& p) {
    const glm::dvec3 pos = phys::FromEquPos(p.lng, p.lat, phys::kPlanetRadius + p.altitude);
    VESSELSTATUS s{};
    s.rpos = phys::ToVector3(pos);
    s.rvel = phys::ToVector3(phys::HorizonToGlobal(pos) * p.horizonVel);
    s.arot = phys::ToVector3(phys::AnglesFromRotation(phys::RotationFromAttitude(pos, p.attitude)));
    s.fuel = 1;
    return s;
}

inline glm::dvec3 G(const VECTOR3& v) { return phys::ToGlm(v); }
