// The fighter in the air: lift through its own lift curve, a steady top speed in level flight,
// and the senses of its attitude controls that the autopilot steers by.
#include <algorithm>
#include <cmath>

#include "HostFixture.h"
#include "Placement.h"
#include "physics/Aerodynamics.h"
#include "physics/Atmosphere.h"

namespace {

using glm::dvec3;

constexpr double kDeg = M_PI / 180;

class FighterTest : public HostTest {
protected:
    OBJHANDLE Fly(const Placement& p) {
        handle = Create("F", "Corvex", StatusFor(p));
        vessel = oapiGetVesselInterface(handle);
        return handle;
    }
    double Heading() const {
        double h = 0;
        oapiGetHeading(handle, &h);
        return h;
    }
    OBJHANDLE handle = nullptr;
    VESSEL* vessel = nullptr;
};

// Cruise: 150 m/s level at 1000 m, heading 60 degrees.
const Placement kCruise{0, 0, 1000, {0.02, 0, 60 * kDeg}, {150 * std::sin(60 * kDeg), 0, 150 * std::cos(60 * kDeg)}};

TEST_F(FighterTest, LiftFollowsTheLiftCurveThroughTheAngleOfAttack) {
    Fly(kCruise);
    const host::Definition& def = Record(handle).def;
    host::Definition wingless = def;
    wingless.liftCoeff = nullptr;
    const double rho = phys::AtmosphereAt(1000).density, speed = 150;
    const double q = 0.5 * rho * speed * speed;
    const double planform = 15;  // the fighter's cross-section seen from above, m^2
    struct Row {
        double degrees, cl;
    };
    const Row rows[] = {{-90, 0}, {-45, -0.05}, {-30, -0.1}, {-1, 0}, {0, 0.0125},
                        {10, 0.1375}, {20, 0.25}, {22.5, 0.225}, {60, 0}, {120, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.degrees << " degrees");
        const double a = row.degrees * kDeg;
        // The air meets the fighter from below the nose for a positive angle.
        const dvec3 airVel = speed * dvec3(0, -std::sin(a), std::cos(a));
        const dvec3 load = phys::AeroLoad(def, airVel, rho, dvec3(1)).force;
        const dvec3 wing = load - phys::AeroLoad(wingless, airVel, rho, dvec3(1)).force;
        const dvec3 across(0, std::cos(a), std::sin(a));
        EXPECT_NEAR(glm::dot(wing, across), q * planform * row.cl, 1e-9 * q * planform);
        EXPECT_LE(glm::dot(wing, airVel), 0) << "lift comes with induced drag, never with thrust";
        EXPECT_EQ(load.x, 0);
        EXPECT_LT(glm::dot(load, airVel), 0) << "the air always holds the fighter back";
    }
}

// A pitch hold on the climb rate, as a pilot would fly it, with the main engine at full.
TEST_F(FighterTest, FullThrustInLevelFlightSettlesAtASteadySpeed) {
    Fly(kCruise);
    vessel->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    double speedAt50 = 0;
    for (int i = 0; i < 60 * 128; ++i) {
        VECTOR3 air;
        vessel->GetHorizonAirspeedVector(air);
        const double wanted = 0.03 - 0.02 * air.y - 0.002 * (vessel->GetAltitude() - 1000);
        const double pitchRate = -Record(handle).state.angVel.x;
        vessel->SetAttitudeRotLevel(0, std::clamp(4 * (wanted - vessel->GetPitch()) - 3 * pitchRate, -1.0, 1.0));
        host.Step();
        if (i == 50 * 128) speedAt50 = glm::length(Record(handle).state.vel);
    }
    const double speed = glm::length(Record(handle).state.vel);
    EXPECT_NEAR(vessel->GetAltitude(), 1000, 10);
    EXPECT_NEAR(speed, speedAt50, 0.2) << "still accelerating";
    EXPECT_GT(speed, 120);
    EXPECT_LT(speed, 250);
}

struct Command {
    const char* name;
    int axis;
    double level, bankDegrees;
    // The sign of the change after one second: pitch for axis 0, heading for axis 1, |bank| for 2.
    int change;
};

class AttitudeSense : public FighterTest, public testing::WithParamInterface<Command> {};

TEST_P(AttitudeSense, TurnsTheWayTheAutopilotSteers) {
    const Command& c = GetParam();
    Placement p = kCruise;
    p.attitude.bank = c.bankDegrees * kDeg;
    Fly(p);
    auto measure = [&] {
        return c.axis == 0 ? vessel->GetPitch() : c.axis == 1 ? Heading() : std::abs(vessel->GetBank());
    };
    const double before = measure();
    // A twin without the command takes out what the air and gravity do on their own.
    OBJHANDLE twin = Create("Twin", "Corvex", StatusFor(p));
    VESSEL* other = oapiGetVesselInterface(twin);
    for (int i = 0; i < 128; ++i) {
        vessel->SetAttitudeRotLevel(c.axis, c.level);
        host.Step();
    }
    double alone = 0;
    if (c.axis == 0) alone = other->GetPitch();
    if (c.axis == 1) oapiGetHeading(twin, &alone);
    if (c.axis == 2) alone = std::abs(other->GetBank());
    const double change = measure() - before, drift = alone - before;
    EXPECT_GT(c.change * (change - drift), 2 * kDeg) << "changed by " << change / kDeg << " degrees";
}

INSTANTIATE_TEST_SUITE_P(
    Axes, AttitudeSense,
    testing::Values(Command{"NegativePitchLowersTheNose", 0, -1, 0, -1}, Command{"PositivePitchRaisesIt", 0, 1, 0, +1},
                    Command{"NegativeYawTurnsRight", 1, -1, 0, +1}, Command{"PositiveYawTurnsLeft", 1, 1, 0, -1},
                    Command{"BankSignLevelsLeftBank", 2, 0.5, 20, -1},
                    Command{"BankSignLevelsRightBank", 2, -0.5, -20, -1},
                    Command{"OppositeSignSteepensBank", 2, -0.5, 20, +1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// The air loads on a made-up wing, worked by hand: lift across the flow and the induced drag that
// comes with it, CL^2 / (pi A e) of the same dynamic pressure and area.
TEST(AeroLoad, LiftAndInducedDragOfAWing) {
    host::Definition def;
    def.crossSections = {0, 10, 0};  // no parasitic drag: only the wing's loads remain
    def.liftCoeff = [](double) { return 0.5; };
    def.wingAspect = 2;
    def.wingEffectiveness = 0.8;
    const host::physics::Load load = host::physics::AeroLoad(def, {0, 0, 100}, 1.0, {1, 1, 1});
    const double lift = 0.5 * 1.0 * 100 * 100 * 10 * 0.5;
    EXPECT_NEAR(load.force.y, lift, 1e-9);
    EXPECT_NEAR(load.force.z, -lift * 0.5 / (M_PI * 2 * 0.8), 1e-9);
    EXPECT_EQ(load.force.x, 0);

    def.wingEffectiveness = 0;  // no wing: lift, but no induced drag
    EXPECT_EQ(host::physics::AeroLoad(def, {0, 0, 100}, 1.0, {1, 1, 1}).force.z, 0);
}

}  // namespace
