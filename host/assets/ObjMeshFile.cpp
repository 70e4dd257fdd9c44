#include "ObjMeshFile.h"

#include <tiny_obj_loader.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/ModuleLoader.h"

namespace host {

namespace {

// Where each vertex and face statement sits in the file. The library keeps both in file order but
// forgets the lines, which the messages need.
struct FaceLine {
    std::size_t line, corners;
};
struct Statements {
    std::vector<std::size_t> vertexLines;
    std::vector<FaceLine> faces;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Splits lines the way the library does: at "\n", "\r\n" or a lone "\r".
Statements FindStatements(const std::string& text) {
    Statements found;
    std::size_t line = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++line;
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        std::size_t i = pos;
        while (i < end && IsBlank(text[i])) ++i;
        if (i + 1 < end && IsBlank(text[i + 1])) {
            if (text[i] == 'v') found.vertexLines.push_back(line);
            if (text[i] == 'f') {
                std::istringstream corners(text.substr(i + 1, end - i - 1));
                std::size_t count = 0;
                for (std::string corner; corners >> corner;) ++count;
                found.faces.push_back({line, count});
            }
        }
        pos = end;
        if (pos < text.size()) pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
    return found;
}

std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ' || s.back() == '.')) s.pop_back();
    return s;
}

std::string ReadWhole(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) throw Error(file.string() + ": mesh file not found");
    if (!std::filesystem::is_regular_file(file, ec)) throw Error(file.string() + ": not a regular file");
    std::ifstream in(file, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) throw Error(file.string() + ": cannot read the mesh file");
    return text;
}

}  // namespace

Mesh ReadObjMesh(const std::filesystem::path& file) {
    const std::string text = ReadWhole(file);
    const std::string where = file.string() + ":";
    const Statements statements = FindStatements(text);
    for (const FaceLine& face : statements.faces) {
        if (face.corners < 3) throw Error(where + std::to_string(face.line) + ": a face needs at least three corners");
        // The library counts a face's corners in a byte.
        if (face.corners > 255) throw Error(where + std::to_string(face.line) + ": a face has more than 255 corners");
    }

    tinyobj::attrib_t attrib;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warning, error;
    std::istringstream in(text);
    if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warning, &error, &in, nullptr, false)) {
        // The library words its messages "... line N.)": put the line where ours go.
        std::smatch line;
        const std::string problem = Trimmed(error);
        const bool numbered = std::regex_search(problem, line, std::regex(R"(line (\d+))"));
        throw Error(where + (numbered ? line[1].str() + ":" : "") + " " + problem);
    }

    Mesh mesh;
    const std::size_t vertexCount = attrib.vertices.size() / 3;
    mesh.vertices.reserve(vertexCount);
    for (std::size_t v = 0; v < vertexCount; ++v) {
        const glm::vec3 p(attrib.vertices[3 * v], attrib.vertices[3 * v + 1], attrib.vertices[3 * v + 2]);
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
            const std::size_t line = v < statements.vertexLines.size() ? statements.vertexLines[v] : 0;
            throw Error(where + std::to_string(line) + ": vertex coordinates out of range");
        }
        mesh.vertices.push_back(p);
    }

    std::size_t face = 0;
    for (const tinyobj::shape_t& shape : shapes) {
        std::size_t corner = 0;
        for (const unsigned char corners : shape.mesh.num_face_vertices) {
            const std::size_t line = face < statements.faces.size() ? statements.faces[face].line : 0;
            if (corner + corners > shape.mesh.indices.size())
                throw Error(where + " faces out of step with their corners");
            std::vector<std::uint32_t> polygon;
            for (std::size_t k = 0; k < corners; ++k) {
                const int v = shape.mesh.indices[corner + k].vertex_index;
                if (v < 0 || static_cast<std::size_t>(v) >= vertexCount)
                    throw Error(where + std::to_string(line) +
                                ": face refers to a vertex that does not exist (the file has " +
                                std::to_string(vertexCount) + " vertices)");
                polygon.push_back(static_cast<std::uint32_t>(v));
            }
            for (std::size_t k = 1; k + 1 < polygon.size(); ++k)
                mesh.triangles.insert(mesh.triangles.end(), {polygon[0], polygon[k], polygon[k + 1]});
            corner += corners;
            ++face;
        }
    }
    if (mesh.triangles.empty()) throw Error(file.string() + ": no faces, so nothing to draw");
    return mesh;
}

}  // namespace host
