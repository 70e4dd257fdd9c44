// The planet's pull: a point mass at the centre of the global frame.
#pragma once

#include <cmath>

#include <glm/glm.hpp>

#include "Frames.h"

namespace host::physics {

inline glm::dvec3 GravityAt(const glm::dvec3& pos) {
    const double r2 = glm::dot(pos, pos);
    if (r2 == 0) return glm::dvec3(0);
    return pos * (-kPlanetGM / (r2 * std::sqrt(r2)));
}

}  // namespace host::physics
