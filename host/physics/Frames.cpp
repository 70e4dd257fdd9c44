#include "Frames.h"

#include <algorithm>
#include <cmath>

#include "core/Registry.h"
#include "core/VesselRecord.h"

namespace host::physics {

namespace {

glm::dmat3 FromRows(const glm::dvec3& r0, const glm::dvec3& r1, const glm::dvec3& r2) {
    return glm::transpose(glm::dmat3(r0, r1, r2));
}

double Clamp1(double x) { return std::clamp(x, -1.0, 1.0); }

}  // namespace

EquPos ToEquPos(const glm::dvec3& pos) {
    const double r = glm::length(pos);
    if (r == 0) return {0, 0, 0};
    return {std::atan2(pos.z, pos.x), std::asin(Clamp1(pos.y / r)), r};
}

glm::dvec3 FromEquPos(double lng, double lat, double radius) {
    return radius * glm::dvec3(std::cos(lat) * std::cos(lng), std::sin(lat), std::cos(lat) * std::sin(lng));
}

double Altitude(const glm::dvec3& pos) { return glm::length(pos) - kPlanetRadius; }

glm::dmat3 HorizonToGlobal(const glm::dvec3& pos) {
    const EquPos e = ToEquPos(pos);
    const double sl = std::sin(e.lng), cl = std::cos(e.lng);
    const double sb = std::sin(e.lat), cb = std::cos(e.lat);
    const glm::dvec3 east(-sl, 0, cl);
    const glm::dvec3 up(cb * cl, sb, cb * sl);
    const glm::dvec3 north(-sb * cl, cb, -sb * sl);
    return glm::dmat3(east, up, north);
}

glm::dmat3 RotationFromAngles(const glm::dvec3& arot) {
    const double sa = std::sin(arot.x), ca = std::cos(arot.x);
    const double sb = std::sin(arot.y), cb = std::cos(arot.y);
    const double sc = std::sin(arot.z), cc = std::cos(arot.z);
    return FromRows({cb * cc, cb * sc, -sb},
                    {sa * sb * cc - ca * sc, sa * sb * sc + ca * cc, sa * cb},
                    {ca * sb * cc + sa * sc, ca * sb * sc - sa * cc, ca * cb});
}

glm::dvec3 AnglesFromRotation(const glm::dmat3& rot) {
    // rot[col][row]. b from atan2 stays exact near +-90 degrees, where asin loses half the digits;
    // c from entries that do not shrink with cos b, so a and c agree even where only their
    // difference or sum is defined.
    const double a = std::atan2(rot[2][1], rot[2][2]);
    const double b = std::atan2(-rot[2][0], std::hypot(rot[0][0], rot[1][0]));
    const double sa = std::sin(a), ca = std::cos(a);
    const double c = std::atan2(sa * rot[0][2] - ca * rot[0][1], ca * rot[1][1] - sa * rot[1][2]);
    return {a, b, c};
}

Attitude AttitudeOf(const glm::dvec3& pos, const glm::dmat3& rot) {
    const glm::dmat3 local = glm::transpose(HorizonToGlobal(pos)) * rot;  // vessel -> horizon
    const glm::dvec3 right = local[0], up = local[1], nose = local[2];
    Attitude att;
    att.pitch = std::asin(Clamp1(nose.y));
    att.bank = std::atan2(right.y, up.y);
    att.heading = std::atan2(nose.x, nose.z);
    if (att.heading < 0) att.heading += 2 * M_PI;
    return att;
}

glm::dmat3 RotationFromAttitude(const glm::dvec3& pos, const Attitude& att) {
    // In the horizon frame: heading about up, then pitch about the right axis, then bank about
    // the nose.
    const double sh = std::sin(att.heading), ch = std::cos(att.heading);
    const double sp = std::sin(att.pitch), cp = std::cos(att.pitch);
    const double sb = std::sin(att.bank), cb = std::cos(att.bank);
    const glm::dvec3 nose(sh * cp, sp, ch * cp);
    const glm::dvec3 levelRight(ch, 0, -sh);
    const glm::dvec3 levelUp = glm::cross(nose, levelRight);  // z x x = y in these frames
    // Positive bank lowers the left wing: the right wing rises.
    const glm::dvec3 right = cb * levelRight + sb * levelUp;
    const glm::dvec3 up = -sb * levelRight + cb * levelUp;
    return HorizonToGlobal(pos) * glm::dmat3(right, up, nose);
}

VESSELSTATUS StatusOf(const VesselRecord& rec) {
    VESSELSTATUS s{};
    s.rpos = ToVector3(rec.state.pos);
    s.rvel = ToVector3(rec.state.vel);
    s.vrot = ToVector3(rec.state.angVel);
    s.arot = ToVector3(AnglesFromRotation(rec.state.rot));
    const auto& def = rec.def;
    s.fuel = def.tanks.empty() || def.tanks[0].capacity <= 0 ? 0.0 : def.tanks[0].mass / def.tanks[0].capacity;
    auto groupLevel = [&](THGROUP_TYPE type) {
        const auto& group = def.groups[type];
        return group.empty() ? 0.0 : def.thrusters[group[0]].level;
    };
    s.eng_main = groupLevel(THGROUP_MAIN);
    s.eng_hovr = groupLevel(THGROUP_HOVER);
    s.status = rec.state.landed ? 1 : 0;
    s.rbody = Registry::PlanetHandle();
    return s;
}

void ApplyStatus(VesselRecord& rec, const VESSELSTATUS& s) {
    rec.state.pos = ToGlm(s.rpos);
    rec.state.vel = ToGlm(s.rvel);
    rec.state.angVel = ToGlm(s.vrot);
    rec.state.rot = RotationFromAngles(ToGlm(s.arot));
    rec.state.landed = s.status == 1;
    auto& def = rec.def;
    if (!def.tanks.empty()) def.tanks[0].mass = std::clamp(s.fuel, 0.0, 1.0) * def.tanks[0].capacity;
    auto setGroup = [&](THGROUP_TYPE type, double level) {
        for (int t : def.groups[type]) def.thrusters[t].level = std::clamp(level, 0.0, 1.0);
    };
    setGroup(THGROUP_MAIN, s.eng_main);
    setGroup(THGROUP_HOVER, s.eng_hovr);
}

bool MakeFinite(VESSELSTATUS& s) {
    bool finite = true;
    for (double* x : {&s.rpos.x, &s.rpos.y, &s.rpos.z, &s.rvel.x, &s.rvel.y, &s.rvel.z, &s.vrot.x, &s.vrot.y,
                      &s.vrot.z, &s.arot.x, &s.arot.y, &s.arot.z, &s.fuel, &s.eng_main, &s.eng_hovr}) {
        if (std::isfinite(*x)) continue;
        *x = 0;
        finite = false;
    }
    return finite;
}

}  // namespace host::physics
