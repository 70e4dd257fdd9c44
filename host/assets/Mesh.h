// A vessel's visual shape: triangles in the vessel frame.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/glm.hpp>

namespace host {

struct Mesh {
    std::vector<glm::vec3> vertices;       // vessel frame (x right, y up, z forward), m
    std::vector<std::uint32_t> triangles;  // three vertex indexes per triangle
};

}  // namespace host
