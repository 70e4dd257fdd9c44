#include "GroundContact.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Frames.h"
#include "core/VesselRecord.h"

namespace host::physics {

namespace {

// The contact impulses are refined pass by pass until no point's velocity changes by more than
// kSettled.
constexpr int kMaxPasses = 8;
constexpr double kSettled = 1e-4;  // m/s
// Below a creep a vessel that the ground can hold is put at rest, so that nothing jitters there.
constexpr double kCreepSpeed = 0.1;     // m/s
constexpr double kCreepTurnRate = 0.1;  // rad/s

// The touchdown points, then the centre of mass, which keeps a vessel upside down out of the
// ground too.
std::array<glm::dvec3, 4> PointsOf(const Definition& def) {
    return {def.touchdown[0], def.touchdown[1], def.touchdown[2], glm::dvec3(0)};
}

double HeightOf(const glm::dvec3& p) { return glm::length(p) - kPlanetRadius; }

glm::dvec3 UpAt(const glm::dvec3& p) {
    const double r = glm::length(p);
    return r > 0 ? p / r : glm::dvec3(0, 1, 0);
}

double Reach(const Definition& def) {
    double reach = 0;
    for (const glm::dvec3& t : def.touchdown) reach = std::max(reach, glm::length(t));
    return reach;
}

// The ground direction in which the vessel's longitudinal friction acts: its nose laid flat, or
// its belly if the nose points straight up or down.
glm::dvec3 LongitudinalAt(const glm::dmat3& rot, const glm::dvec3& up) {
    for (const glm::dvec3& axis : {rot[2], rot[1]}) {
        const glm::dvec3 flat = axis - glm::dot(axis, up) * up;
        const double len = glm::length(flat);
        if (len > 1e-9) return flat / len;
    }
    return glm::dvec3(0);  // only for a degenerate rotation
}

// The normal of the touchdown points' plane in the vessel frame, on the side of the centre of mass.
glm::dvec3 TouchdownNormal(const Definition& def) {
    const auto& t = def.touchdown;
    glm::dvec3 n = glm::cross(t[1] - t[0], t[2] - t[0]);
    const double len = glm::length(n);
    if (len < 1e-12) return {0, 1, 0};
    n /= len;
    const double height = glm::dot(n, -t[0]);
    if (height < -1e-9 || (height <= 1e-9 && n.y < 0)) n = -n;
    return n;
}

}  // namespace

ContactSet FindContacts(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot) {
    ContactSet set;
    if (Altitude(pos) > Reach(def) + kContactSlop) return set;
    for (const glm::dvec3& point : PointsOf(def)) {
        const glm::dvec3 offset = rot * point;
        if (HeightOf(pos + offset) > kContactSlop) continue;
        set.offset[set.count] = offset;
        set.normal[set.count] = UpAt(pos + offset);
        ++set.count;
    }
    return set;
}

bool TouchesGround(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot) {
    return FindContacts(def, pos, rot).count > 0;
}

void ResolveContacts(const Definition& def, const ContactSet& contacts, double mass, const glm::dvec3& inertia,
                     const glm::dmat3& rot, BodyState& body) {
    const double invMass = 1 / mass;
    const glm::dmat3 invInertia = rot * glm::dmat3(1 / inertia.x, 0, 0, 0, 1 / inertia.y, 0, 0, 0, 1 / inertia.z) *
                                  glm::transpose(rot);
    glm::dvec3 vel = body.vel;
    glm::dvec3 spin = rot * body.angVel;  // global frame

    // One direction of one contact, with what an impulse along it does to the body.
    struct Axis {
        glm::dvec3 dir, lever, turn;  // lever = r x dir; turn = the spin per unit impulse
        double mass = 0;              // the impulse per unit of velocity along dir
        double impulse = 0;           // accumulated this step
    };
    auto axis = [&](const glm::dvec3& r, const glm::dvec3& dir) {
        Axis a;
        a.dir = dir;
        a.lever = glm::cross(r, dir);
        a.turn = invInertia * a.lever;
        a.mass = 1 / (invMass + glm::dot(a.lever, a.turn));
        return a;
    };
    struct Row {
        Axis normal, lng, lat;
        bool patch;  // the centre of mass itself touches: the body lies on the ground
    };
    std::array<Row, 4> rows;
    for (int i = 0; i < contacts.count; ++i) {
        const glm::dvec3& r = contacts.offset[i];
        const glm::dvec3& n = contacts.normal[i];
        const glm::dvec3 lng = LongitudinalAt(rot, n);
        rows[i] = {axis(r, n), axis(r, lng), axis(r, glm::cross(n, lng)), r == glm::dvec3(0)};
    }
    double largestChange = 0;  // of any point's velocity in a pass, m/s
    auto apply = [&](Axis& a, double next) {
        const double change = next - a.impulse;
        vel += change * invMass * a.dir;
        spin += change * a.turn;
        a.impulse = next;
        largestChange = std::max(largestChange, std::abs(change) / a.mass);
    };
    auto speedAlong = [&](const Axis& a) { return glm::dot(vel, a.dir) + glm::dot(spin, a.lever); };
    // Friction along one ground direction, within mu times the normal impulse so far.
    auto rub = [&](Axis& a, double mu, double normalImpulse) {
        const double limit = mu * normalImpulse;
        apply(a, std::clamp(a.impulse - speedAlong(a) * a.mass, -limit, limit));
    };
    // A body lying on the ground has a patch of it there, which resists turning as well as sliding.
    const glm::dmat3 inertiaGlobal =
        rot * glm::dmat3(inertia.x, 0, 0, 0, inertia.y, 0, 0, 0, inertia.z) * glm::transpose(rot);
    glm::dvec3 patchImpulse(0);  // angular, accumulated
    auto grip = [&](double normalImpulse) {
        const double limit = def.frictionLat * normalImpulse * 0.5 * def.size;
        glm::dvec3 next = patchImpulse - inertiaGlobal * spin;
        const double size = glm::length(next);
        if (size > limit) next *= limit / size;
        const glm::dvec3 change = invInertia * (next - patchImpulse);
        spin += change;
        patchImpulse = next;
        largestChange = std::max(largestChange, glm::length(change) * 0.5 * def.size);
    };

    for (int pass = 0; pass < kMaxPasses; ++pass) {
        largestChange = 0;
        for (int i = 0; i < contacts.count; ++i) {
            Row& row = rows[i];
            apply(row.normal, std::max(0.0, row.normal.impulse - speedAlong(row.normal) * row.normal.mass));
            rub(row.lng, def.frictionLng, row.normal.impulse);
            rub(row.lat, def.frictionLat, row.normal.impulse);
            if (row.patch) grip(row.normal.impulse);
        }
        if (largestChange < kSettled) break;
    }
    body.vel = vel;
    body.angVel = glm::transpose(rot) * spin;
}

void PushOutOfGround(const Definition& def, glm::dvec3& pos, const glm::dmat3& rot) {
    if (Altitude(pos) > Reach(def)) return;
    double lowest = 0;
    for (const glm::dvec3& point : PointsOf(def)) lowest = std::min(lowest, HeightOf(pos + rot * point));
    if (lowest < 0) pos += UpAt(pos) * -lowest;
}

bool HeldByGround(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot, const glm::dvec3& force) {
    const glm::dvec3 up = UpAt(pos);
    const double load = -glm::dot(force, up);
    if (load <= 0) return false;
    const glm::dvec3 lng = LongitudinalAt(rot, up);
    const glm::dvec3 lat = glm::cross(up, lng);
    // Elliptic friction limit; forces below rounding noise do not count.
    auto share = [&](const glm::dvec3& dir, double mu) {
        const double f = glm::dot(force, dir);
        if (std::abs(f) <= 1e-9 * load) return 0.0;
        return mu > 0 ? f / (mu * load) : HUGE_VAL;
    };
    const double a = share(lng, def.frictionLng), b = share(lat, def.frictionLat);
    return a * a + b * b <= 1;
}

bool CanRest(const Definition& def, const glm::dvec3& pos, const glm::dmat3& rot, const glm::dvec3& vel,
             const glm::dvec3& angVelGlobal, const glm::dvec3& force) {
    if (glm::length(vel) > kCreepSpeed || glm::length(angVelGlobal) > kCreepTurnRate) return false;
    // It stands on its three touchdown points, or lies on its body.
    bool standing = true;
    for (const glm::dvec3& point : def.touchdown) standing = standing && HeightOf(pos + rot * point) <= kContactSlop;
    return (standing || Altitude(pos) <= kContactSlop) && HeldByGround(def, pos, rot, force);
}

void SettleOnGround(VesselRecord& rec) {
    const Definition& def = rec.def;
    RigidState& s = rec.state;
    if (!s.landed) {
        PushOutOfGround(def, s.pos, s.rot);
        rec.groundContact = TouchesGround(def, s.pos, s.rot);
        return;
    }
    // Level with its heading kept, then tilted so that its touchdown points lie flat.
    const glm::dvec3 normal = TouchdownNormal(def);
    const glm::dmat3 level = RotationFromAttitude(s.pos, {0, 0, AttitudeOf(s.pos, s.rot).heading});
    const glm::dvec3 axis = glm::cross(normal, glm::dvec3(0, 1, 0));
    const double sine = glm::length(axis), cosine = normal.y;
    glm::dmat3 tilt(1.0);
    if (sine > 1e-12)
        tilt = glm::mat3_cast(glm::angleAxis(std::atan2(sine, cosine), axis / sine));
    else if (cosine < 0)
        tilt = glm::mat3_cast(glm::angleAxis(M_PI, glm::dvec3(0, 0, 1)));
    s.rot = level * tilt;
    s.pos = UpAt(s.pos) * (kPlanetRadius + glm::dot(normal, -def.touchdown[0]));
    s.vel = glm::dvec3(0);
    s.angVel = glm::dvec3(0);
    rec.groundContact = true;
}

}  // namespace host::physics
