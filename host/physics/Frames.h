// The world's frames and the conventions every state query keeps.
//
// Global frame: planet-centred, +y through the north pole, longitude 0 on +x, east of it towards
// +z. Vessel frame: +x right, +y up, +z along the nose (both frames share one handedness, so a
// vessel's orientation is a proper rotation). Horizon frame at a point: +x east, +y up, +z north.
#pragma once

#include <glm/glm.hpp>

#include "HostTypes.h"

namespace host {
struct VesselRecord;
}

namespace host::physics {

constexpr double kPlanetRadius = 6371000.0;  // m
constexpr double kPlanetGM = 3.986004418e14;  // m^3/s^2
constexpr double kStartMjd = 51544.5;         // modified Julian date at simulation time 0

struct EquPos {
    double lng, lat, radius;
};

EquPos ToEquPos(const glm::dvec3& pos);
glm::dvec3 FromEquPos(double lng, double lat, double radius);
double Altitude(const glm::dvec3& pos);
// Columns east, up, north: takes horizon-frame vectors to global.
glm::dmat3 HorizonToGlobal(const glm::dvec3& pos);

// The matrix of the orientation angles (a, b, c), rows (cb cc, cb sc, -sb),
// (sa sb cc - ca sc, sa sb sc + ca cc, sa cb), (ca sb cc + sa sc, ca sb sc - sa cc, ca cb):
// the rotation that takes vessel-frame vectors to global ones.
glm::dmat3 RotationFromAngles(const glm::dvec3& arot);
glm::dvec3 AnglesFromRotation(const glm::dmat3& rot);

// Attitude relative to the local horizon, in radians: pitch (nose up positive), bank (left wing
// down positive), heading (0 north, pi/2 east, in [0, 2 pi)).
struct Attitude {
    double pitch, bank, heading;
};
Attitude AttitudeOf(const glm::dvec3& pos, const glm::dmat3& rot);
// The rotation of a vessel at pos with the given attitude.
glm::dmat3 RotationFromAttitude(const glm::dvec3& pos, const Attitude& att);

inline glm::dvec3 ToGlm(const VECTOR3& v) { return {v.x, v.y, v.z}; }
inline VECTOR3 ToVector3(const glm::dvec3& v) { return {v.x, v.y, v.z}; }

// The host's status record of a vessel, and the reverse.
VESSELSTATUS StatusOf(const VesselRecord& rec);
void ApplyStatus(VesselRecord& rec, const VESSELSTATUS& status);
// Replaces every number of the record that is not finite by 0; false if there was one.
bool MakeFinite(VESSELSTATUS& status);

}  // namespace host::physics
