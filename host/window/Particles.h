// Puffs left behind by particle streams, so smoke trails and explosions show as they did in the
// last seconds rather than only at the emitter.
#pragma once

#include <vector>

#include <glm/glm.hpp>

namespace host {

class Host;
struct Eye;

struct Puff {
    glm::dvec3 pos;
    double born, lifetime, size, growth;
    float level;  // how strongly the stream emitted it, 0..1
    bool emissive;
};

struct Particles {
    std::vector<Puff> puffs;
    double lastEmitted = -1e300;
};

// Drops the puffs that have had their time and has every stream with a level above 0 emit one at
// its emitter, once per simulated instant.
void UpdateParticles(Particles& particles, const Host& host);
// As points whose size follows the puff's age and its stream's level; pixelsPerRadian scales
// metres at a distance to pixels.
void DrawParticles(const Particles& particles, const Eye& eye, double now, double pixelsPerRadian);

}  // namespace host
