// Meshes stored as Wavefront OBJ files: vertex positions in the vessel frame, in metres, and
// polygon faces. Texture coordinates, normals and materials are read past and not kept.
#pragma once

#include <filesystem>

#include "Mesh.h"

namespace host {

// Reads the file, cutting each face into a fan of triangles. Throws Error with the file, the line
// where it is known, and the problem.
Mesh ReadObjMesh(const std::filesystem::path& file);

}  // namespace host
