#include "Dynamics.h"

#include <cmath>

#include <glm/gtc/quaternion.hpp>

#include "Aerodynamics.h"
#include "Atmosphere.h"
#include "Frames.h"
#include "Gravity.h"
#include "GroundContact.h"
#include "Integrator.h"
#include "Thrust.h"
#include "core/VesselRecord.h"

namespace host::physics {

namespace {

bool Finite(const glm::dvec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

bool Finite(const RigidState& s) {
    return Finite(s.pos) && Finite(s.vel) && Finite(s.angVel) && Finite(s.rot[0]) && Finite(s.rot[1]) &&
           Finite(s.rot[2]);
}

}  // namespace

void AdvanceVessel(VesselRecord& rec, double dt, const Report& report) {
    RigidState& s = rec.state;
    const RigidState before = s;
    const double massBefore = TotalMass(rec);
    // The air of the step's start serves the whole step: it changes little in 1/128 s.
    const Air air = AtmosphereAt(Altitude(s.pos));
    const Load thrust = BurnThrusters(rec.def, air.pressure, dt);
    const double mass = 0.5 * (massBefore + TotalMass(rec));
    const glm::dvec3 inertia = rec.def.pmi * mass;

    if (s.landed) {
        const glm::dvec3 force = GravityAt(s.pos) * mass + s.rot * thrust.force;
        if (HeldByGround(rec.def, s.pos, s.rot, force)) {
            rec.groundContact = true;
            return;
        }
        s.landed = false;
    }

    const ContactSet contacts = FindContacts(rec.def, s.pos, s.rot);
    auto accelerate = [&](const BodyState& b) {
        const glm::dmat3 rot = glm::mat3_cast(b.orient);
        const Load aero = AeroLoad(rec.def, glm::transpose(rot) * b.vel, air.density, inertia);
        Acceleration a;
        a.linear = GravityAt(b.pos) + rot * (thrust.force + aero.force) / mass;
        a.angular = (thrust.torque + aero.torque - glm::cross(b.angVel, inertia * b.angVel)) / inertia;
        return a;
    };
    const BodyState start{s.pos, s.vel, glm::quat_cast(s.rot), s.angVel};
    BodyState next = StepRK4(start, dt, accelerate);
    next.angVel *= glm::exp(-RotationDampingRates(rec.def, glm::length(s.vel), s.angVel, air.density, inertia) * dt);

    if (contacts.count > 0) {
        // The ground's impulses act from the step's start: a vessel at rest on it stays put.
        ResolveContacts(rec.def, contacts, mass, inertia, s.rot, next);
        next.pos = s.pos + next.vel * dt;
        const double turn = glm::length(next.angVel) * dt;
        next.orient = turn > 0 ? start.orient * glm::angleAxis(turn, next.angVel / glm::length(next.angVel))
                               : start.orient;
    }
    s.pos = next.pos;
    s.vel = next.vel;
    s.rot = glm::mat3_cast(glm::normalize(next.orient));
    s.angVel = next.angVel;
    PushOutOfGround(rec.def, s.pos, s.rot);
    rec.groundContact = TouchesGround(rec.def, s.pos, s.rot);
    if (rec.groundContact) {
        const glm::dvec3 force = GravityAt(s.pos) * mass + s.rot * thrust.force;
        if (CanRest(rec.def, s.pos, s.rot, s.vel, s.rot * s.angVel, force)) {
            s.landed = true;
            s.vel = glm::dvec3(0);
            s.angVel = glm::dvec3(0);
        }
    }

    if (!Finite(s)) {
        s = before;
        s.vel = s.angVel = glm::dvec3(0);
        if (!rec.motionFaultReported && report)
            report("vessel '" + rec.name + "' (" + rec.className +
                   "): its motion is no longer finite; it is stopped where it was");
        rec.motionFaultReported = true;
    }
}

void Advance(const std::vector<VesselRecord*>& vessels, double dt, const Report& report) {
    for (VesselRecord* rec : vessels)
        if (!rec->deleted) AdvanceVessel(*rec, dt, report);
}

}  // namespace host::physics
