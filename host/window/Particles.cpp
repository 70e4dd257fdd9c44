#include "Particles.h"

#include <algorithm>

#include "Camera.h"
#include "Gl.h"
#include "core/Host.h"
#include "core/StreamLevel.h"

namespace host {

namespace {

// A trail longer than this adds nothing a player sees, and keeps the puff count bounded.
constexpr double kMaxLifetime = 8;
constexpr std::size_t kMaxPuffs = 20000;

}  // namespace

void UpdateParticles(Particles& particles, const Host& host) {
    const double now = host.clock.Now();
    std::erase_if(particles.puffs, [now](const Puff& p) { return now - p.born > p.lifetime || now < p.born; });
    if (now <= particles.lastEmitted) return;
    particles.lastEmitted = now;
    for (const VesselRecord* rec : host.vessels.InOrder()) {
        if (rec->deleted) continue;
        for (const ParticleStream& stream : rec->def.streams) {
            const double level = StreamLevel(*rec, stream);
            if (level <= 0 || particles.puffs.size() >= kMaxPuffs) continue;
            const PARTICLESTREAMSPEC& spec = stream.spec;
            particles.puffs.push_back({rec->state.pos + rec->state.rot * stream.pos, now,
                                       std::clamp(spec.lifetime, 0.1, kMaxLifetime), std::max(spec.srcsize, 0.5),
                                       std::max(spec.growthrate, 0.0), static_cast<float>(level),
                                       spec.ltype == PARTICLESTREAMSPEC::EMISSIVE});
        }
    }
}

void DrawParticles(const Particles& particles, const Eye& eye, double now, double pixelsPerRadian) {
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_POINT_SMOOTH);
    for (const Puff& p : particles.puffs) {
        const glm::dvec3 rel = p.pos - eye.pos;
        const double depth = glm::dot(rel, eye.forward);
        if (depth <= 1) continue;
        const double age = now - p.born;
        const double size = (p.size + p.growth * age) * (0.5 + 0.5 * p.level);
        const float pixels = static_cast<float>(std::clamp(size / depth * pixelsPerRadian, 1.0, 64.0));
        const float fade = static_cast<float>(1 - age / p.lifetime) * p.level;
        glPointSize(pixels);
        if (p.emissive)
            glColor4f(1.0f, 0.6f, 0.15f, 0.9f * fade);
        else
            glColor4f(0.85f, 0.85f, 0.85f, 0.7f * fade);
        glBegin(GL_POINTS);
        glVertex3d(rel.x, rel.y, rel.z);
        glEnd();
    }
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace host
