#include "Scene.h"

#include <cmath>
#include <functional>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "Camera.h"
#include "Gl.h"
#include "assets/Mesh.h"
#include "core/Host.h"
#include "physics/Frames.h"

namespace host {

namespace {

constexpr double kTile = 250;        // m, edge of one ground tile
constexpr int kTilesOut = 60;        // tiles drawn on each side of the eye
constexpr double kHorizon = 200e3;   // m, the plain ground stretches this far

glm::vec3 ClassColour(const std::string& className) {
    static const glm::vec3 palette[] = {{0.75f, 0.78f, 0.82f}, {1.0f, 0.85f, 0.2f}, {0.8f, 0.4f, 0.3f},
                                        {0.4f, 0.6f, 0.9f}};
    return palette[std::hash<std::string>{}(className) % std::size(palette)];
}

void Vertex(const glm::dvec3& v) { glVertex3d(v.x, v.y, v.z); }

}  // namespace

void SetUpCamera(const Eye& eye, int width, int height) {
    const glm::mat4 projection = glm::perspective(glm::radians(static_cast<float>(kFieldOfViewDeg)),
                                                  static_cast<float>(width) / static_cast<float>(height), 0.5f,
                                                  static_cast<float>(2 * kHorizon));
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(glm::value_ptr(projection));
    // Rows right, up and back: OpenGL looks along its -z.
    glm::mat4 view(1.0f);
    for (int i = 0; i < 3; ++i) {
        view[i][0] = static_cast<float>(eye.right[i]);
        view[i][1] = static_cast<float>(eye.up[i]);
        view[i][2] = static_cast<float>(-eye.forward[i]);
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(glm::value_ptr(view));
}

void DrawGround(const Eye& eye) {
    const double altitude = physics::Altitude(eye.pos);
    const glm::dmat3 horizon = physics::HorizonToGlobal(eye.pos);
    const glm::dvec3 east = horizon[0], up = horizon[1], north = horizon[2];
    const glm::dvec3 below = -up * altitude;  // the ground point under the eye
    // Tiles keep to the planet's longitude and latitude, so they slide past as the eye moves.
    const physics::EquPos equ = physics::ToEquPos(eye.pos);
    const double eastM = equ.lng * physics::kPlanetRadius * std::cos(equ.lat);
    const double northM = equ.lat * physics::kPlanetRadius;
    const double e0 = std::fmod(eastM, 2 * kTile), n0 = std::fmod(northM, 2 * kTile);

    // Ground lies below everything that flies, so it is drawn first and without depth.
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_QUADS);
    glColor3f(0.30f, 0.45f, 0.25f);
    Vertex(below - east * kHorizon - north * kHorizon);
    Vertex(below + east * kHorizon - north * kHorizon);
    Vertex(below + east * kHorizon + north * kHorizon);
    Vertex(below - east * kHorizon + north * kHorizon);
    for (int i = -kTilesOut; i < kTilesOut; ++i) {
        for (int j = -kTilesOut; j < kTilesOut; ++j) {
            if ((i + j) % 2 == 0) continue;
            const double x = i * kTile - e0, z = j * kTile - n0;
            glColor3f(0.36f, 0.52f, 0.30f);
            Vertex(below + east * x + north * z);
            Vertex(below + east * (x + kTile) + north * z);
            Vertex(below + east * (x + kTile) + north * (z + kTile));
            Vertex(below + east * x + north * (z + kTile));
        }
    }
    glEnd();
    glEnable(GL_DEPTH_TEST);
}

void DrawVessels(const Host& host, const Eye& eye, OBJHANDLE inside) {
    // Light from high in the sky, a little from the east; both faces lit, as mesh windings vary.
    const glm::dmat3 horizon = physics::HorizonToGlobal(eye.pos);
    const glm::dvec3 sun = glm::normalize(horizon[1] * 0.8 + horizon[0] * 0.5 + horizon[2] * 0.3);
    for (const VesselRecord* rec : host.vessels.InOrder()) {
        if (rec->deleted || rec->handle == inside) continue;
        const glm::vec3 colour = ClassColour(rec->className);
        const glm::dvec3 origin = rec->state.pos - eye.pos;
        const glm::dmat3& rot = rec->state.rot;
        glBegin(GL_TRIANGLES);
        for (const MeshRef& ref : rec->def.meshes) {
            if (!ref.mesh) continue;
            const Mesh& mesh = *ref.mesh;
            for (std::size_t t = 0; t + 2 < mesh.triangles.size(); t += 3) {
                glm::dvec3 v[3];
                bool inside = true;
                for (int k = 0; k < 3; ++k) inside = inside && mesh.triangles[t + k] < mesh.vertices.size();
                if (!inside) continue;
                for (int k = 0; k < 3; ++k) v[k] = glm::dvec3(mesh.vertices[mesh.triangles[t + k]]) + ref.offset;
                const glm::dvec3 normal = glm::cross(v[1] - v[0], v[2] - v[0]);
                const double len = glm::length(normal);
                const double light = len > 0 ? std::abs(glm::dot(rot * normal / len, sun)) : 1;
                const glm::vec3 shade = colour * static_cast<float>(0.35 + 0.65 * light);
                glColor3f(shade.r, shade.g, shade.b);
                for (const glm::dvec3& p : v) Vertex(origin + rot * p);
            }
        }
        glEnd();
    }
}

}  // namespace host
