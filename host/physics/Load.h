// A force and a torque about the centre of mass, both in the vessel frame.
#pragma once

#include <glm/glm.hpp>

namespace host::physics {

struct Load {
    glm::dvec3 force{0};   // N
    glm::dvec3 torque{0};  // N m
};

}  // namespace host::physics
