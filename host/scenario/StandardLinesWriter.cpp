// The host's exact lines of a vessel, and a comment that says the same for people.
#include <cmath>
#include <cstdio>
#include <numbers>

#include "Numbers.h"
#include "ScenarioFile.h"
#include "StandardLines.h"
#include "core/Host.h"
#include "physics/Frames.h"

namespace host::scenario {

namespace {

void Numbers(std::string& out, const char* key, const std::vector<double>& values) {
    out += "  ";
    out += key;
    for (double v : values) out += " " + FormatNumber(v);
    out += '\n';
}

// Rounding noise would print as "-0.0".
double Tidy(double value, double shownStep) { return std::abs(value) < shownStep / 2 ? 0.0 : value; }

std::string Summary(const RigidState& s) {
    constexpr double deg = 180.0 / std::numbers::pi;
    const physics::EquPos e = physics::ToEquPos(s.pos);
    const physics::Attitude a = physics::AttitudeOf(s.pos, s.rot);
    char text[256];
    std::snprintf(text, sizeof text,
                  "  # latitude %.5f, longitude %.5f, altitude %.1f m, heading %.1f, pitch %.1f, bank %.1f, "
                  "airspeed %.1f m/s\n",
                  Tidy(e.lat * deg, 1e-5), Tidy(e.lng * deg, 1e-5), Tidy(physics::Altitude(s.pos), 0.1),
                  Tidy(a.heading * deg, 0.1), Tidy(a.pitch * deg, 0.1), Tidy(a.bank * deg, 0.1),
                  glm::length(s.vel));
    return text;
}

}  // namespace

std::string StandardLinesOf(const VesselRecord& rec) {
    const RigidState& s = rec.state;
    std::string out = Summary(s);
    Numbers(out, "POS", {s.pos.x, s.pos.y, s.pos.z});
    Numbers(out, "VEL", {s.vel.x, s.vel.y, s.vel.z});
    // Row by row, vessel frame to global.
    Numbers(out, "ROT", {s.rot[0][0], s.rot[1][0], s.rot[2][0], s.rot[0][1], s.rot[1][1], s.rot[2][1], s.rot[0][2],
                         s.rot[1][2], s.rot[2][2]});
    Numbers(out, "AVEL", {s.angVel.x, s.angVel.y, s.angVel.z});
    out += s.landed ? "  LANDED\n" : "  FLYING\n";
    if (!rec.def.tanks.empty()) {
        std::vector<double> masses;
        for (const Tank& tank : rec.def.tanks) masses.push_back(tank.mass);
        Numbers(out, "TANKS", masses);
    }
    if (!rec.def.thrusters.empty()) {
        std::vector<double> levels;
        for (const Thruster& thruster : rec.def.thrusters) levels.push_back(thruster.level);
        Numbers(out, "THRUSTERS", levels);
    }
    return out;
}

void WriteStandardLines(OBJHANDLE vessel, FILEHANDLE scn) {
    const VesselRecord* rec = Host::Instance().vessels.Find(vessel);
    if (!scn || !scn->out || !rec) return;
    *scn->out += StandardLinesOf(*rec);
}

}  // namespace host::scenario
