// The host's own lines of a vessel's scenario block: how a vessel is placed and what it carries.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "HostTypes.h"
#include "core/VesselRecord.h"

namespace host::scenario {

// What a vessel's class defined, against which TANKS and THRUSTERS are checked.
struct VesselShape {
    std::vector<double> tankCapacities;  // kg
    std::size_t thrusterCount = 0;
};

// Placed in an earlier vessel's own frame; that vessel's state is taken when the line is read.
struct Relative {
    RigidState leader;
    glm::dvec3 offset{0};    // m
    glm::dvec3 velocity{0};  // m/s, relative to the leader
};

// Everything a block's host lines said, before it becomes a state.
struct Placement {
    std::optional<double> latitude, longitude, altitude;  // rad, rad, m
    std::optional<double> heading, pitch, bank;           // rad
    std::optional<double> airspeed;                       // m/s along the nose
    std::optional<Relative> relative;
    std::optional<glm::dvec3> pos, vel, angVel;
    std::optional<glm::dmat3> rot;
    std::optional<bool> landed;
    std::optional<double> propellant;  // fraction of every tank
    std::optional<std::vector<double>> tankMasses;       // kg
    std::optional<std::vector<double>> thrusterLevels;
    std::map<std::string, int, std::less<>> seen;  // key -> line, to name conflicts
};

// Finds the state of an earlier vessel by name, or says why not.
using FindLeader = std::function<std::optional<RigidState>(std::string_view name, std::string& problem)>;

enum class LineResult { NotStandard, Read, Bad };

// Reads one line into the placement. A line that is not the host's gives NotStandard; a host line
// that is malformed, out of range or at odds with an earlier line gives Bad and the problem.
LineResult ReadStandardLine(std::string_view line, int number, const VesselShape& shape, const FindLeader& findLeader,
                            Placement& placement, std::string& problem);

// The state the placement describes. Unsaid parts: latitude, longitude and altitude 0, level and
// heading north (or the leader's attitude), at rest (or moving with the leader), flying.
struct Setup {
    RigidState state;
    std::optional<std::vector<double>> tankMasses;  // unset: as the class defined them
    std::optional<std::vector<double>> thrusterLevels;
};
Setup Resolve(const Placement& placement, const VesselShape& shape);

// Writes the lines that let the host recreate the vessel exactly: position, velocity,
// orientation, rotation, propellant and thruster levels.
void WriteStandardLines(OBJHANDLE vessel, FILEHANDLE scn);
// The same lines for a record, as text.
std::string StandardLinesOf(const VesselRecord& rec);

}  // namespace host::scenario
