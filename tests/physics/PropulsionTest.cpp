// Thrust and propellant: each thruster burns thrust / specific impulse, an empty tank pushes no
// more, and what it pushes is the rocket equation's speed.
#include <cmath>

#include "HostFixture.h"
#include "Placement.h"

namespace {

using glm::dvec3;

constexpr double kIsp = 50000;            // the fighter's, m/s
constexpr double kAboveTheAir = 300e3;    // m
const Placement kInVacuum{0.1, 0.2, kAboveTheAir, {0, 0, 0}, {0, 0, 0}};

struct Burn {
    const char* name;
    double main, hover, pitch;  // levels
    double rate;                // kg/s
};

class PropellantFlow : public HostTest, public testing::WithParamInterface<Burn> {};

TEST_P(PropellantFlow, DrainsAtThrustOverImpulse) {
    const Burn& b = GetParam();
    OBJHANDLE h = Create("F", "Corvex", StatusFor(kInVacuum));
    VESSEL* v = oapiGetVesselInterface(h);
    v->SetThrusterGroupLevel(THGROUP_MAIN, b.main);
    v->SetThrusterGroupLevel(THGROUP_HOVER, b.hover);
    v->SetAttitudeRotLevel(0, b.pitch);
    PROPELLANT_HANDLE tank = v->GetPropellantHandleByIndex(0);
    for (int i = 0; i < 256; ++i) host.Step();
    EXPECT_NEAR(750 - v->GetPropellantMass(tank), b.rate * 2, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Levels, PropellantFlow,
                         testing::Values(Burn{"main", 1, 0, 0, 30000 / kIsp}, Burn{"hover", 0, 1, 0, 15000 / kIsp},
                                         Burn{"halfMainAndHover", 0.5, 1, 0, 30000 / kIsp},
                                         Burn{"pitchDown", 0, 0, -1, 4 * 200 / kIsp}, Burn{"idle", 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Tankful {
    double propellant;  // kg at the start
    double seconds;
};

class RocketEquation : public HostTest, public testing::WithParamInterface<Tankful> {};

// A fighter at full main thrust beside an idle twin: the difference of their speeds along the
// nose is isp ln(m0 / m1), whether the tank lasts or runs dry on the way.
TEST_P(RocketEquation, SpeedGainedIsImpulseTimesLogOfMassRatio) {
    const Tankful& t = GetParam();
    OBJHANDLE burner = Create("Burner", "Corvex", StatusFor(kInVacuum));
    OBJHANDLE twin = Create("Twin", "Corvex", StatusFor(kInVacuum));
    VESSEL* v = oapiGetVesselInterface(burner);
    v->SetPropellantMass(v->GetPropellantHandleByIndex(0), t.propellant);
    v->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    const double m0 = 500 + t.propellant;
    const double m1 = 500 + std::max(0.0, t.propellant - 30000 / kIsp * t.seconds);
    const dvec3 nose = Record(burner).state.rot * dvec3(0, 0, 1);
    for (int i = 0; i < std::lround(t.seconds * 128); ++i) host.Step();
    EXPECT_NEAR(host::TotalMass(Record(burner)), m1, 1e-9);
    const dvec3 gained = Record(burner).state.vel - Record(twin).state.vel;
    EXPECT_NEAR(glm::dot(gained, nose), kIsp * std::log(m0 / m1), 1e-3);
    EXPECT_NEAR(glm::length(gained - glm::dot(gained, nose) * nose), 0, 1e-3);
    EXPECT_EQ(v->GetThrusterGroupLevel(THGROUP_MAIN), 1) << "an empty tank leaves the level as it was set";
}

INSTANTIATE_TEST_SUITE_P(Tanks, RocketEquation,
                         testing::Values(Tankful{750, 2}, Tankful{0.3, 2}, Tankful{0.25, 2}, Tankful{0, 2}));

TEST_F(HostTest, AttitudeThrustersTurnWithoutPushing) {
    OBJHANDLE h = Create("F", "Corvex", StatusFor(kInVacuum));
    OBJHANDLE twin = Create("Twin", "Corvex", StatusFor(kInVacuum));
    for (int axis = 0; axis < 3; ++axis) oapiGetVesselInterface(h)->SetAttitudeRotLevel(axis, axis == 1 ? -1 : 1);
    for (int i = 0; i < 128; ++i) host.Step();
    EXPECT_LT(glm::length(Record(h).state.vel - Record(twin).state.vel), 1e-9);
    EXPECT_GT(glm::length(Record(h).state.angVel), 0.1);
}

}  // namespace
