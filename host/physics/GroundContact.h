// The ground: a vessel meets it at its three touchdown points and at its centre of mass, never
// sinks into it, slides on it against its friction and comes to rest on it.
#pragma once

#include <glm/glm.hpp>

#include "Integrator.h"

namespace host {
struct Definition;
struct VesselRecord;
}

namespace host::physics {

// A point this close to the ground, or below it, touches it (m).
constexpr double kContactSlop = 0.005;

struct ContactSet {
    glm::dvec3 offset[4];  // from the centre of mass, global frame
    glm::dvec3 normal[4];  // local vertical at the point
    int count = 0;
};

// The points of a vessel at (pos, rot) that touch the ground.
ContactSet FindContacts(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot);
bool TouchesGround(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot);

// Changes the body's velocities by the ground's impulses at the contacts: no point moves into
// the ground, and friction (the vessel's longitudinal and lateral coefficients) resists sliding.
void ResolveContacts(const Definition& def, const ContactSet& contacts, double mass, const glm::dvec3& inertia,
                     const glm::dmat3& rot, BodyState& body);

// Lifts a vessel whose points went below the ground back onto it; its velocity is left to the
// next step's contact impulses, so a pre-step still sees how fast it hit.
void PushOutOfGround(const Definition& def, glm::dvec3& pos, const glm::dmat3& rot);

// True when the vessel stands on all three touchdown points or lies on its body, moves no more
// than a creep, and friction and its weight can hold it against `force` (global frame, N): it may
// come to rest.
bool CanRest(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot, const glm::dvec3& vel,
             const glm::dvec3& angVelGlobal, const glm::dvec3& force);
// Whether the ground holds a vessel at rest against `force` (global frame, N, weight included):
// the force presses it down, and friction can take up what pushes along the ground.
bool HeldByGround(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot, const glm::dvec3& force);

// Puts a landed vessel on the ground: level on its touchdown points where it stands, at rest.
// Any other vessel only leaves the ground if it was placed in it.
void SettleOnGround(VesselRecord& rec);

}  // namespace host::physics
