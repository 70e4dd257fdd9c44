#include "StandardLines.h"

#include <cmath>
#include <numbers>

#include "Numbers.h"
#include "physics/Frames.h"

namespace host::scenario {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Lines of one family describe the same thing; lines of different variants in it contradict each
// other (POS and LATITUDE both place the vessel), lines of the same variant just override.
enum class Family { Position, Orientation, Velocity, Spin, Status, Propellant, Thrusters };

struct Key {
    std::string_view name;
    Family family;
    int variant;
};

constexpr Key kKeys[] = {
    {"POS", Family::Position, 0},        {"RELATIVE", Family::Position, 1},  {"LATITUDE", Family::Position, 2},
    {"LONGITUDE", Family::Position, 2},  {"ALTITUDE", Family::Position, 2},  {"ROT", Family::Orientation, 0},
    {"HEADING", Family::Orientation, 1}, {"PITCH", Family::Orientation, 1},  {"BANK", Family::Orientation, 1},
    {"VEL", Family::Velocity, 0},        {"AIRSPEED", Family::Velocity, 1},  {"AVEL", Family::Spin, 0},
    {"LANDED", Family::Status, 0},       {"FLYING", Family::Status, 0},      {"TANKS", Family::Propellant, 0},
    {"PROPELLANT", Family::Propellant, 1}, {"THRUSTERS", Family::Thrusters, 0},
};

const Key* Lookup(std::string_view word) {
    for (const Key& key : kKeys)
        if (key.name == word) return &key;
    return nullptr;
}

std::string Quote(std::string_view text) {
    return text.size() <= 40 ? "'" + std::string(text) + "'" : "'" + std::string(text.substr(0, 40)) + "...'";
}

constexpr std::size_t kAnyCount = SIZE_MAX;

// Reads the words from `first` on as numbers, exactly `count` of them unless kAnyCount.
bool ReadNumbers(std::string_view key, const std::vector<std::string_view>& words, std::size_t first, std::size_t count,
                 std::vector<double>& values, std::string& problem) {
    const std::size_t given = words.size() - first;
    if (count != kAnyCount && given != count) {
        problem = std::string(key) + " expects " + std::to_string(count) + (count == 1 ? " number" : " numbers") +
                  ", got " + std::to_string(given);
        return false;
    }
    values.clear();
    for (std::size_t i = first; i < words.size(); ++i) {
        double value = 0;
        if (!ParseNumber(words[i], value)) {
            problem = std::string(key) + " expects a number, got " + Quote(words[i]);
            return false;
        }
        values.push_back(value);
    }
    return true;
}

bool InRange(std::string_view key, double value, double low, double high, const char* unit, std::string& problem) {
    if (value >= low && value <= high) return true;
    problem = std::string(key) + " " + FormatForPeople(value) + " is out of range [" + FormatForPeople(low) + ", " +
              FormatForPeople(high) + "]" + (*unit ? " " : "") + unit;
    return false;
}

bool IsRotation(const glm::dmat3& m) {
    const glm::dmat3 product = glm::transpose(m) * m;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            if (std::abs(product[c][r] - (c == r ? 1.0 : 0.0)) > 1e-4) return false;
    return glm::determinant(m) > 0;
}

glm::dvec3 Vec(const std::vector<double>& v, std::size_t at = 0) { return {v[at], v[at + 1], v[at + 2]}; }

// RELATIVE <name> x y z [vx vy vz]; a name with blanks goes in double quotes.
bool ReadRelative(std::string_view line, const FindLeader& findLeader, Placement& p, std::string& problem) {
    std::string_view rest = Trim(Trim(line).substr(std::string_view("RELATIVE").size()));
    std::string_view name;
    if (!rest.empty() && rest[0] == '"') {
        const std::size_t close = rest.find('"', 1);
        if (close == std::string_view::npos) {
            problem = "RELATIVE has no closing '\"' after the vessel name";
            return false;
        }
        name = rest.substr(1, close - 1);
        rest = rest.substr(close + 1);
    } else {
        name = rest.substr(0, rest.find_first_of(" \t"));
        rest = rest.substr(name.size());
    }
    const std::vector<std::string_view> words = SplitWords(rest);
    std::vector<double> v;
    if (name.empty() || (words.size() != 3 && words.size() != 6)) {
        problem = "RELATIVE expects a vessel name, an offset x y z in metres and optionally a velocity x y z in m/s";
        return false;
    }
    if (!ReadNumbers("RELATIVE", words, 0, kAnyCount, v, problem)) return false;
    for (double c : v)
        if (!InRange("RELATIVE component", c, -1e7, 1e7, "", problem)) return false;
    const std::optional<RigidState> leader = findLeader(name, problem);
    if (!leader) return false;
    p.relative = Relative{*leader, Vec(v), v.size() == 6 ? Vec(v, 3) : glm::dvec3(0)};
    return true;
}

}  // namespace

LineResult ReadStandardLine(std::string_view line, int number, const VesselShape& shape, const FindLeader& findLeader,
                            Placement& p, std::string& problem) {
    const std::vector<std::string_view> words = SplitWords(line);
    const Key* key = words.empty() ? nullptr : Lookup(words[0]);
    if (!key) return LineResult::NotStandard;
    for (const auto& [name, at] : p.seen) {
        const Key* other = Lookup(name);
        if (other->family == key->family && other->variant != key->variant) {
            problem = std::string(key->name) + " contradicts " + name + " on line " + std::to_string(at);
            return LineResult::Bad;
        }
    }

    const std::string_view k = key->name;
    std::vector<double> v;
    auto numbers = [&](std::size_t count) { return ReadNumbers(k, words, 1, count, v, problem); };
    auto one = [&](double low, double high, const char* unit) {
        return numbers(1) && InRange(k, v[0], low, high, unit, problem);
    };
    bool ok = false;
    if (k == "LATITUDE") {
        if ((ok = one(-90, 90, "degrees"))) p.latitude = v[0] * kRad;
    } else if (k == "LONGITUDE") {
        if ((ok = one(-360, 360, "degrees"))) p.longitude = v[0] * kRad;
    } else if (k == "ALTITUDE") {
        if ((ok = one(0, 1e7, "m"))) p.altitude = v[0];
    } else if (k == "HEADING") {
        if ((ok = one(-360, 360, "degrees"))) p.heading = v[0] * kRad;
    } else if (k == "PITCH") {
        if ((ok = one(-90, 90, "degrees"))) p.pitch = v[0] * kRad;
    } else if (k == "BANK") {
        if ((ok = one(-180, 180, "degrees"))) p.bank = v[0] * kRad;
    } else if (k == "AIRSPEED") {
        if ((ok = one(0, 1e4, "m/s"))) p.airspeed = v[0];
    } else if (k == "PROPELLANT") {
        if ((ok = one(0, 1, ""))) p.propellant = v[0];
    } else if (k == "LANDED" || k == "FLYING") {
        if ((ok = words.size() == 1)) p.landed = k == "LANDED";
        if (!ok) problem = std::string(k) + " takes no value";
    } else if (k == "POS" || k == "VEL" || k == "AVEL") {
        if ((ok = numbers(3))) (k == "POS" ? p.pos : k == "VEL" ? p.vel : p.angVel) = Vec(v);
    } else if (k == "ROT") {
        if (numbers(9)) {
            glm::dmat3 m;
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) m[c][r] = v[r * 3 + c];
            if (!(ok = IsRotation(m))) problem = "ROT is not a rotation (its rows must be unit vectors at right angles)";
            if (ok) p.rot = m;
        }
    } else if (k == "TANKS") {
        if (numbers(shape.tankCapacities.size())) {
            ok = true;
            for (std::size_t i = 0; ok && i < v.size(); ++i)
                ok = InRange("TANKS mass " + std::to_string(i + 1), v[i], 0, shape.tankCapacities[i], "kg", problem);
            if (ok) p.tankMasses = v;
        }
    } else if (k == "THRUSTERS") {
        if (numbers(shape.thrusterCount)) {
            ok = true;
            for (std::size_t i = 0; ok && i < v.size(); ++i)
                ok = InRange("THRUSTERS level " + std::to_string(i + 1), v[i], 0, 1, "", problem);
            if (ok) p.thrusterLevels = v;
        }
    } else if (k == "RELATIVE") {
        ok = ReadRelative(line, findLeader, p, problem);
    }
    if (!ok) return LineResult::Bad;
    p.seen.insert_or_assign(std::string(k), number);
    return LineResult::Read;
}

Setup Resolve(const Placement& p, const VesselShape& shape) {
    namespace phys = physics;
    Setup setup;
    RigidState& s = setup.state;
    const RigidState* leader = p.relative ? &p.relative->leader : nullptr;

    if (p.pos)
        s.pos = *p.pos;
    else if (leader)
        s.pos = leader->pos + leader->rot * p.relative->offset;
    else
        s.pos = phys::FromEquPos(p.longitude.value_or(0), p.latitude.value_or(0),
                                 phys::kPlanetRadius + p.altitude.value_or(0));

    if (p.rot)
        s.rot = *p.rot;
    else if (p.heading || p.pitch || p.bank || !leader)
        s.rot = phys::RotationFromAttitude(s.pos, {p.pitch.value_or(0), p.bank.value_or(0), p.heading.value_or(0)});
    else
        s.rot = leader->rot;

    if (p.vel)
        s.vel = *p.vel;
    else if (p.airspeed)
        s.vel = s.rot * glm::dvec3(0, 0, *p.airspeed);  // the air is at rest in the global frame
    else if (leader)
        s.vel = leader->vel + leader->rot * p.relative->velocity;

    s.angVel = p.angVel.value_or(glm::dvec3(0));
    s.landed = p.landed.value_or(false);

    if (p.tankMasses) {
        setup.tankMasses = p.tankMasses;
    } else if (p.propellant) {
        setup.tankMasses.emplace();
        for (double capacity : shape.tankCapacities) setup.tankMasses->push_back(*p.propellant * capacity);
    }
    setup.thrusterLevels = p.thrusterLevels;
    return setup;
}

}  // namespace host::scenario
