// The ground: vessels land on their touchdown points, come to rest without jitter, slide
// against friction, and show how fast they hit it.
#include <algorithm>
#include <cmath>

#include "HostFixture.h"
#include "Placement.h"
#include "physics/GroundContact.h"

namespace {

using glm::dvec3;

constexpr double kDeg = M_PI / 180;
constexpr double kFighterRest = 1.5;  // the fighter's centre of mass above its touchdown points, m

// The lowest of a vessel's touchdown points above the ground.
double LowestPoint(const host::VesselRecord& rec) {
    double lowest = HUGE_VAL;
    for (const dvec3& t : rec.def.touchdown)
        lowest = std::min(lowest, glm::length(rec.state.pos + rec.state.rot * t) - phys::kPlanetRadius);
    return lowest;
}

double SinkRate(OBJHANDLE h) {
    VECTOR3 air;
    oapiGetVesselInterface(h)->GetHorizonAirspeedVector(air);
    return -air.y;
}

struct Drop {
    const char* name;
    const char* className;
    double height;  // of the lowest touchdown point, m
    phys::Attitude attitude;
    bool onItsPoints;  // or on its back
};

class Landing : public HostTest, public testing::WithParamInterface<Drop> {};

TEST_P(Landing, ComesToRestWithoutJitter) {
    const Drop& d = GetParam();
    Placement p{0.1, 0.2, 0, d.attitude, {0, 0, 0}};
    OBJHANDLE h = Create("V", d.className, StatusFor(p));
    host::VesselRecord& rec = Record(h);
    // Lift it so that its lowest point hangs at the drop height.
    rec.state.pos += glm::normalize(rec.state.pos) * (d.height - LowestPoint(rec));
    double lowest = HUGE_VAL;
    for (int i = 0; i < 10 * 128; ++i) {
        host.Step();
        lowest = std::min(lowest, LowestPoint(rec));
    }
    EXPECT_GT(lowest, -1e-6) << "sank into the ground";
    const host::RigidState rest = rec.state;
    for (int i = 0; i < 128; ++i) host.Step();
    EXPECT_TRUE(oapiGetVesselInterface(h)->GroundContact());
    EXPECT_EQ(rec.state.pos, rest.pos) << "jitters at rest";
    EXPECT_EQ(rec.state.rot, rest.rot) << "jitters at rest";
    EXPECT_EQ(SinkRate(h), 0);
    VESSELSTATUS s;
    oapiGetVesselInterface(h)->GetStatus(s);
    EXPECT_EQ(s.status, 1) << "landed";
    for (const dvec3& t : rec.def.touchdown) {
        const double height = glm::length(rec.state.pos + rec.state.rot * t) - phys::kPlanetRadius;
        if (d.onItsPoints) {
            EXPECT_NEAR(height, 0, 0.01);
        }
        EXPECT_GT(height, -1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(Drops, Landing,
                         testing::Values(Drop{"FighterLevel", "Corvex", 2, {0, 0, 0.5}, true},
                                         Drop{"FighterNoseHigh", "Corvex", 2, {10 * kDeg, 0, 1.5}, true},
                                         Drop{"FighterBanked", "Corvex", 3, {-5 * kDeg, 15 * kDeg, 4}, true},
                                         Drop{"FighterTouching", "Corvex", 0, {0, 0, 0}, true},
                                         Drop{"FighterUpsideDown", "Corvex", 2, {0.1, 175 * kDeg, 1}, false},
                                         Drop{"ProbeOnItsBack", "Probe", 1, {0, M_PI, 0}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The fighter's crash check reads the sink rate in the pre-step after touching the ground: it
// must still be the speed of the impact, not what the ground made of it.
TEST_F(HostTest, FirstContactStillShowsTheImpactSpeed) {
    for (const double height : {2.0, 20.0, 60.0}) {
        SCOPED_TRACE(testing::Message() << "dropped from " << height << " m");
        OBJHANDLE h = Create("F", "Corvex", StatusFor({0, 0, kFighterRest + height, {0, 0, 0}, {0, 0, 0}}));
        VESSEL* v = oapiGetVesselInterface(h);
        double before = 0;
        int steps = 0;
        while (!v->GroundContact() && steps++ < 10 * 128) {
            before = SinkRate(h);
            host.Step();
        }
        ASSERT_TRUE(v->GroundContact());
        const double g = 9.82;
        EXPECT_GE(SinkRate(h), before);
        EXPECT_LE(SinkRate(h), before + g * host.clock.step);
        EXPECT_GT(SinkRate(h), 0.7 * std::sqrt(2 * g * height)) << "the air slows a falling fighter, but not so much";
        for (int i = 0; i < 128; ++i) host.Step();
        EXPECT_EQ(SinkRate(h), 0) << "and then the ground stops it";
        oapiDeleteVessel(h);
        host.Step();
    }
}

TEST_F(HostTest, FastImpactsNeverGoBelowTheGround) {
    struct Shot {
        const char* className;
        double altitude, speed, diveDegrees;
    };
    for (const Shot& shot : {Shot{"Pellix", 30, 1100, 45}, Shot{"Pellix", 5, 350, 89}, Shot{"Corvex", 20, 250, 20}}) {
        SCOPED_TRACE(shot.className);
        const double dive = shot.diveDegrees * kDeg;
        OBJHANDLE h = Create("V", shot.className,
                             StatusFor({0, 0, shot.altitude, {-dive, 0, 0},
                                        {0, -shot.speed * std::sin(dive), shot.speed * std::cos(dive)}}));
        const host::VesselRecord& rec = Record(h);
        bool touched = false;
        // A shell detonates on the ground and is gone 0.6 s later.
        for (int i = 0; i < 2 * 128; ++i) {
            host.Step();
            if (!oapiIsVessel(h)) break;
            touched = touched || oapiGetVesselInterface(h)->GroundContact();
            ASSERT_GT(LowestPoint(rec), -1e-6) << "step " << i;
            ASSERT_GT(oapiGetVesselInterface(h)->GetAltitude(), -1e-6) << "step " << i;
        }
        EXPECT_TRUE(touched);
        oapiDeleteVessel(h);
        host.Step();
    }
}

struct Slide {
    const char* name;
    double mu;        // the coefficient along the slide
    dvec3 velocity;   // in the vessel frame, m/s
};

class Sliding : public HostTest, public testing::WithParamInterface<Slide> {};

// On the probe, which has no air loads, friction alone stops a slide within v^2 / (2 mu g).
TEST_P(Sliding, StopsWithinTheFrictionDistance) {
    const Slide& slide = GetParam();
    Placement p{0, 0, 1 + phys::kContactSlop / 2, {0, 0, 0.3}, {0, 0, 0}};
    const glm::dmat3 horizonFromVessel = glm::dmat3(std::cos(0.3), 0, -std::sin(0.3), 0, 1, 0, std::sin(0.3), 0, std::cos(0.3));
    p.horizonVel = horizonFromVessel * slide.velocity;
    OBJHANDLE h = Create("P", "Probe", StatusFor(p));
    // Low enough that the skid does not roll the probe over its touchdown triangle.
    oapiGetVesselInterface(h)->SetSurfaceFrictionCoeff(0.2, 0.3);
    const dvec3 start = Record(h).state.pos;
    for (int i = 0; i < 20 * 128; ++i) host.Step();
    const double g = phys::kPlanetGM / std::pow(phys::kPlanetRadius, 2);
    const double speed = glm::length(slide.velocity);
    EXPECT_NEAR(glm::length(Record(h).state.pos - start), speed * speed / (2 * slide.mu * g), 0.02 * speed);
    EXPECT_EQ(glm::length(Record(h).state.vel), 0);
    EXPECT_TRUE(Record(h).state.landed);
}

INSTANTIATE_TEST_SUITE_P(Directions, Sliding,
                         testing::Values(Slide{"Forward", 0.2, {0, 0, 8}}, Slide{"Backward", 0.2, {0, 0, -5}},
                                         Slide{"Sideways", 0.3, {7, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostTest, LandedVesselIsPutOnTheGroundAndStaysThere) {
    VESSELSTATUS s = StatusFor({0.4, -1.2, 500, {12 * kDeg, -7 * kDeg, 2.0}, {30, 4, 5}});
    s.status = 1;
    s.vrot = {0.3, 0, 0};
    OBJHANDLE h = Create("F", "Corvex", s);
    VESSEL* v = oapiGetVesselInterface(h);
    const host::VesselRecord& rec = Record(h);
    for (int step = 0; step < 2; ++step) {
        SCOPED_TRACE(step == 0 ? "as created" : "two seconds on");
        EXPECT_NEAR(v->GetAltitude(), kFighterRest, 1e-6);
        EXPECT_NEAR(v->GetPitch(), 0, 1e-9);
        EXPECT_NEAR(v->GetBank(), 0, 1e-9);
        double heading = 0, lng = 0, lat = 0;
        oapiGetHeading(h, &heading);
        oapiGetEquPos(h, &lng, &lat, nullptr);
        EXPECT_NEAR(heading, 2.0, 0.01) << "levelled where it stood, facing the same way";
        EXPECT_NEAR(lng, -1.2, 1e-9);
        EXPECT_NEAR(lat, 0.4, 1e-9);
        EXPECT_EQ(glm::length(rec.state.vel), 0);
        EXPECT_EQ(glm::length(rec.state.angVel), 0);
        EXPECT_TRUE(v->GroundContact());
        VESSELSTATUS read;
        v->GetStatus(read);
        EXPECT_EQ(read.status, 1);
        for (int i = 0; i < 2 * 128; ++i) host.Step();
    }
}

struct Push {
    const char* name;
    THGROUP_TYPE group;
    double level;
    bool staysLanded;
};

class Breakaway : public HostTest, public testing::WithParamInterface<Push> {};

// Landed at 1250 kg, the fighter holds 0.1 x its weight (about 1230 N) along its nose.
TEST_P(Breakaway, ThrustLeavesTheGroundOnlyBeyondFrictionOrWeight) {
    const Push& push = GetParam();
    VESSELSTATUS s = StatusFor({0, 0, 0, {0, 0, 0}, {0, 0, 0}});
    s.status = 1;
    OBJHANDLE h = Create("F", "Corvex", s);
    VESSEL* v = oapiGetVesselInterface(h);
    const dvec3 start = Record(h).state.pos;
    v->SetThrusterGroupLevel(push.group, push.level);
    for (int i = 0; i < 128; ++i) host.Step();
    VESSELSTATUS read;
    v->GetStatus(read);
    EXPECT_EQ(read.status, push.staysLanded ? 1 : 0);
    EXPECT_EQ(Record(h).state.pos == start, push.staysLanded);
}

INSTANTIATE_TEST_SUITE_P(Thrusts, Breakaway,
                         testing::Values(Push{"GentleMain", THGROUP_MAIN, 0.03, true},
                                         Push{"StrongMain", THGROUP_MAIN, 0.1, false},
                                         Push{"HoverBelowWeight", THGROUP_HOVER, 0.8, true},
                                         Push{"HoverAboveWeight", THGROUP_HOVER, 0.9, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostTest, HoverLiftsALandedFighterOff) {
    VESSELSTATUS s = StatusFor({0, 0, 0, {0, 0, 0}, {0, 0, 0}});
    s.status = 1;
    OBJHANDLE h = Create("F", "Corvex", s);
    VESSEL* v = oapiGetVesselInterface(h);
    v->SetThrusterGroupLevel(THGROUP_HOVER, 1);
    for (int i = 0; i < 3 * 128; ++i) host.Step();
    EXPECT_FALSE(v->GroundContact());
    EXPECT_GT(v->GetAltitude(), kFighterRest + 5);
    VESSELSTATUS read;
    v->GetStatus(read);
    EXPECT_EQ(read.status, 0);
}

}  // namespace
