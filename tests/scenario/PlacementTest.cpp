// Authoring lines put a vessel where they say: on the globe, or in another vessel's frame.
#include <cmath>
#include <numbers>

#include "ScenarioTest.h"

namespace {

namespace phys = host::physics;
using glm::dvec3;

constexpr double kDeg = std::numbers::pi / 180;

const host::RigidState& StateOf(const char* name) { return Record(oapiGetVesselByName(name)).state; }

// Where b is in a's frame, and how fast it moves relative to a, in a's frame.
dvec3 OffsetIn(const host::RigidState& a, const host::RigidState& b) { return glm::transpose(a.rot) * (b.pos - a.pos); }
dvec3 VelocityIn(const host::RigidState& a, const host::RigidState& b) { return glm::transpose(a.rot) * (b.vel - a.vel); }

// Headings of 0 and 360 degrees are the same.
double HeadingDifference(double a, double b) { return std::remainder(a - b, 360.0); }

void ExpectNear(const dvec3& got, const dvec3& want, double tolerance) {
    EXPECT_NEAR(got.x, want.x, tolerance);
    EXPECT_NEAR(got.y, want.y, tolerance);
    EXPECT_NEAR(got.z, want.z, tolerance);
}

TEST_F(ScenarioTest, GeographicLinesGivePositionAttitudeAndAirspeed) {
    struct Case {
        double lat, lng, alt, heading, pitch, bank, airspeed;
    };
    const Case cases[] = {
        {46.5, 7.5, 3000, 90, 0, 0, 180},
        {-33.9, 151.2, 10, 0, 10, -20, 0},
        {0, -120, 12000, 225, -30, 45, 300},
        {89, 0, 500, 359, 0, 0, 50},
    };
    for (const Case& c : cases) {
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR});
        Load("VESSEL V:Corvex\n  LATITUDE " + std::to_string(c.lat) + "\n  LONGITUDE " + std::to_string(c.lng) +
             "\n  ALTITUDE " + std::to_string(c.alt) + "\n  HEADING " + std::to_string(c.heading) + "\n  PITCH " +
             std::to_string(c.pitch) + "\n  BANK " + std::to_string(c.bank) + "\n  AIRSPEED " +
             std::to_string(c.airspeed) + "\nEND\n");
        SCOPED_TRACE("latitude " + std::to_string(c.lat) + ", longitude " + std::to_string(c.lng));
        const host::RigidState& s = StateOf("V");
        const phys::EquPos e = phys::ToEquPos(s.pos);
        EXPECT_NEAR(e.lat / kDeg, c.lat, 1e-9);
        EXPECT_NEAR(e.lng / kDeg, c.lng, 1e-9);
        EXPECT_NEAR(phys::Altitude(s.pos), c.alt, 1e-6);
        const phys::Attitude a = phys::AttitudeOf(s.pos, s.rot);
        EXPECT_NEAR(HeadingDifference(a.heading / kDeg, c.heading), 0, 1e-9);
        EXPECT_NEAR(a.pitch / kDeg, c.pitch, 1e-9);
        EXPECT_NEAR(a.bank / kDeg, c.bank, 1e-9);
        ExpectNear(glm::transpose(s.rot) * s.vel, dvec3(0, 0, c.airspeed), 1e-9);  // along the nose
        EXPECT_FALSE(s.landed);
    }
}

TEST_F(ScenarioTest, RelativePlacementLandsInTheLeadersFrame) {
    Load(R"(VESSEL Leader:Corvex
  LATITUDE 10
  LONGITUDE 20
  ALTITUDE 3000
  HEADING 60
  PITCH 5
  BANK 15
  AIRSPEED 200
END
VESSEL Target:Corvex
  RELATIVE Leader 0 0 500
END
VESSEL Wingman:Corvex
  RELATIVE Leader 150 -20 -50 0 1 -2
END
VESSEL Crossing:Corvex
  RELATIVE Leader 0 0 2000
  HEADING 150
  AIRSPEED 250
END
)");
    const host::RigidState& leader = StateOf("Leader");
    const host::RigidState& target = StateOf("Target");
    const host::RigidState& wingman = StateOf("Wingman");
    const host::RigidState& crossing = StateOf("Crossing");

    // 500 m ahead, same attitude and same velocity.
    ExpectNear(OffsetIn(leader, target), dvec3(0, 0, 500), 1e-6);
    ExpectNear(VelocityIn(leader, target), dvec3(0), 1e-9);
    EXPECT_EQ(target.rot, leader.rot);
    // Off the right wing, a little below and behind, drifting up and back.
    ExpectNear(OffsetIn(leader, wingman), dvec3(150, -20, -50), 1e-6);
    ExpectNear(VelocityIn(leader, wingman), dvec3(0, 1, -2), 1e-9);
    // Its own attitude and airspeed override the leader's.
    ExpectNear(OffsetIn(leader, crossing), dvec3(0, 0, 2000), 1e-6);
    EXPECT_NEAR(phys::AttitudeOf(crossing.pos, crossing.rot).heading / kDeg, 150, 1e-9);
    ExpectNear(glm::transpose(crossing.rot) * crossing.vel, dvec3(0, 0, 250), 1e-9);
}

TEST_F(ScenarioTest, LandedPropellantAndDefaults) {
    Load("VESSEL Parked:Corvex\n  LANDED\n  PROPELLANT 0.4\nEND\nVESSEL Plain:Corvex\nEND\n");
    const host::VesselRecord& parked = Record(oapiGetVesselByName("Parked"));
    EXPECT_TRUE(parked.state.landed);
    EXPECT_NEAR(parked.def.tanks[0].mass, 300, 1e-9);
    // Nothing said: on the equator at longitude 0, at the ground, level, heading north, at rest, full.
    const host::VesselRecord& plain = Record(oapiGetVesselByName("Plain"));
    ExpectNear(plain.state.pos, dvec3(phys::kPlanetRadius, 0, 0), 1e-6);
    EXPECT_EQ(plain.state.vel, dvec3(0));
    EXPECT_NEAR(phys::AttitudeOf(plain.state.pos, plain.state.rot).heading, 0, 1e-12);
    EXPECT_EQ(plain.def.tanks[0].mass, 750);
}

}  // namespace
