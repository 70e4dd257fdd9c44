// The host's own record of one vessel: what its module defined and how it moves.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <glm/glm.hpp>

#include "HostTypes.h"

class VESSEL;
class VESSEL2;

namespace host {

struct Module;
struct Mesh;

struct Tank {
    double capacity = 0;  // kg
    double mass = 0;      // kg
    double efficiency = 1;
};

struct Thruster {
    glm::dvec3 pos{0}, dir{0, 0, 1};
    double maxThrust = 0;  // N
    int tank = -1;         // index into tanks, -1 for none
    double isp = 0, ispRef = 0, pRef = 101.4e3;
    double level = 0;      // 0..1, what the group and attitude commands set
};

struct Exhaust {
    int thruster = -1;
    double length = 1, width = 1;
    glm::dvec3 pos{0}, dir{0, 0, -1};
    SURFHANDLE texture = nullptr;
};

// A particle stream reads its level through a pointer for as long as it lives; an exhaust stream
// runs at its thruster's level instead.
struct ParticleStream {
    PARTICLESTREAMSPEC spec{};
    glm::dvec3 pos{0}, dir{0, 0, -1};
    const double* level = nullptr;
    int thruster = -1;
    bool alive = true;
};

struct MeshRef {
    std::string name;
    glm::dvec3 offset{0};
    std::shared_ptr<const Mesh> mesh;  // null if it could not be read: nothing to draw
};

// Everything the vessel's class capabilities set. Defaults are what a vessel gets when its module
// sets nothing.
struct Definition {
    double size = 1;
    double emptyMass = 1;
    double cwZPos = 0, cwZNeg = 0, cwX = 0, cwY = 0;
    double wingAspect = 1, wingEffectiveness = 0;
    glm::dvec3 crossSections{1, 1, 1};
    glm::dvec3 rotDrag{0, 0, 0};
    double pitchMomentScale = 0, bankMomentScale = 0;
    glm::dvec3 pmi{1, 1, 1};
    double trimScale = 0;
    glm::dvec3 cameraOffset{0};
    LiftCoeffFunc liftCoeff = nullptr;
    glm::dvec3 dockPos{0}, dockDir{0, 0, 1}, dockRot{0, 1, 0};
    std::array<glm::dvec3, 3> touchdown{glm::dvec3{0, -1, 1}, glm::dvec3{-1, -1, -1}, glm::dvec3{1, -1, -1}};
    double frictionLng = 0.1, frictionLat = 0.5;
    double cogElev = 0;
    bool focusEnabled = true;
    std::vector<Tank> tanks;
    std::vector<Thruster> thrusters;
    std::array<std::vector<int>, THGROUP_COUNT> groups;
    std::vector<Exhaust> exhausts;
    std::vector<ParticleStream> streams;
    std::vector<MeshRef> meshes;
};

// Kinematic state in the planet-centred global frame. rot takes vessel-frame vectors to global.
struct RigidState {
    glm::dvec3 pos{0}, vel{0};
    glm::dmat3 rot{1.0};
    glm::dvec3 angVel{0};  // vessel frame, rad/s
    bool landed = false;
};

struct VesselRecord {
    std::string name;
    std::string className;
    OBJHANDLE handle = nullptr;
    Module* module = nullptr;
    VESSEL2* instance = nullptr;  // what ovcInit returned, as the host's callbacks see it
    VESSEL* iface = nullptr;      // the same object's VESSEL part, as ovcInit returned it
    Definition def;
    RigidState state;
    std::array<double, 3> attitudeRotLevel{0, 0, 0};  // pitch, yaw, bank as last commanded
    bool deleted = false;
    bool groundContact = false;
    bool motionFaultReported = false;  // the host has said once that its motion broke down
};

}  // namespace host

namespace host {

inline double TotalMass(const VesselRecord& rec) {
    double mass = rec.def.emptyMass;
    for (const Tank& tank : rec.def.tanks) mass += tank.mass;
    return mass;
}

}  // namespace host
