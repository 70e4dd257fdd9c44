// Air loads on a vessel from what it defined: drag, lift, induced drag, weathervane moments and
// rotational drag.
#pragma once

#include <glm/glm.hpp>

#include "Load.h"

namespace host {
struct Definition;
}

namespace host::physics {

// The angle between the nose and the airflow in the vessel's symmetry plane: positive when the
// air comes from below the nose. airVel is the vessel's velocity through the air, vessel frame.
double AngleOfAttack(const glm::dvec3& airVel);

// The load of the air on a vessel of the given principal moments of inertia (kg m^2):
// - drag along each vessel axis: 1/2 rho |v| v_i cw_i S_i, with the +z or -z coefficient by the
//   direction of flight;
// - lift in the y-z plane, across the airflow: 1/2 rho v_yz^2 S_y CL(alpha), with CL the
//   vessel's lift function, and its induced drag CL^2 / (aspect x effectiveness) times the same
//   pressure and area (none when either is 0);
// - weathervane moments, as an angular acceleration of scale x dynamic pressure x the sine of the
//   misalignment: the pitch scale turns the nose into the airflow (about x and y), the bank scale
//   rolls the vessel against sideslip.
Load AeroLoad(const Definition& def, const glm::dvec3& airVel, double density, const glm::dvec3& inertia);

// How fast the air damps each axis of rotation (1/s): rotDrag_i x rho x (airspeed + |w_i| size)
// x size^3 / inertia_i, so a spinning vessel slows down even at rest. Applied as an exact decay,
// it stays stable however light the vessel.
glm::dvec3 RotationDampingRates(const Definition& def, double airspeed, const glm::dvec3& angVel, double density,
                                const glm::dvec3& inertia);

}  // namespace host::physics
