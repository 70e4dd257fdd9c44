// Definitions and states the physics cannot use: the host names the vessel, the call and the
// problem, keeps a safe value, and no NaN reaches the world.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "Placement.h"

namespace {

using glm::dvec3;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class BadDefinition : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host.reportError = [this](const std::string& m) { messages.push_back(m); };
        MakeOdd();
    }
    void MakeOdd() {
        handle = Create("Odd", "Probe", StatusFor({0, 0, 1000, {0, 0, 0}, {0, 0, 0}}));
        vessel = oapiGetVesselInterface(handle);
    }
    bool StateIsFinite() const {
        const host::RigidState& s = Record(handle).state;
        for (const dvec3& v : {s.pos, s.vel, s.angVel, s.rot[0], s.rot[1], s.rot[2]})
            if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z)) return false;
        return true;
    }
    std::vector<std::string> messages;
    OBJHANDLE handle = nullptr;
    VESSEL* vessel = nullptr;
};

struct BadCall {
    const char* name;
    std::function<void(VESSEL&)> call;
    const char* says;                                // part of the message
    std::function<bool(const host::Definition&)> kept;  // the definition still holds a usable value
};

TEST_F(BadDefinition, SettersRefuseValuesThePhysicsCannotUse) {
    const BadCall calls[] = {
        {"ZeroMass", [](VESSEL& v) { v.SetEmptyMass(0); }, "SetEmptyMass(0): a mass must be positive",
         [](const auto& d) { return d.emptyMass == 1; }},
        {"NegativeMass", [](VESSEL& v) { v.SetEmptyMass(-5); }, "SetEmptyMass(-5)",
         [](const auto& d) { return d.emptyMass == 1; }},
        {"NaNMass", [](VESSEL& v) { v.SetEmptyMass(kNaN); }, "SetEmptyMass(nan)",
         [](const auto& d) { return d.emptyMass == 1; }},
        {"FlatInertia", [](VESSEL& v) { v.SetPMI({2, 0, 1}); }, "SetPMI(2, 0, 1): principal moments must be positive",
         [](const auto& d) { return d.pmi == dvec3(1); }},
        {"NegativeSize", [](VESSEL& v) { v.SetSize(-3); }, "SetSize(-3)", [](const auto& d) { return d.size == 1; }},
        {"NegativeArea", [](VESSEL& v) { v.SetCrossSections({1, -2, 1}); }, "SetCrossSections(1, -2, 1)",
         [](const auto& d) { return d.crossSections == dvec3(1); }},
        {"InfiniteDrag", [](VESSEL& v) { v.SetCW(kInf, 0, 0, 0); }, "SetCW(inf, 0, 0, 0)",
         [](const auto& d) { return d.cwZPos == 0; }},
        {"NegativeFriction", [](VESSEL& v) { v.SetSurfaceFrictionCoeff(-1, 0.5); }, "SetSurfaceFrictionCoeff(-1, 0.5)",
         [](const auto& d) { return d.frictionLng == 0.1; }},
        {"NaNTouchdown", [](VESSEL& v) { v.SetTouchdownPoints({0, kNaN, 0}, {1, 0, 0}, {0, 0, 1}); },
         "SetTouchdownPoints", [](const auto& d) { return d.touchdown[0] == dvec3(0, -1, 1); }},
        {"ThrusterWithoutTank", [](VESSEL& v) { v.CreateThruster({0, 0, 0}, {0, 0, 1}, 1000, nullptr, 3000); },
         "CreateThruster: thruster 1 has no propellant tank; it gives no thrust",
         [](const auto& d) { return d.thrusters.size() == 1 && d.thrusters[0].tank == -1; }},
        {"ThrusterPointingNowhere",
         [](VESSEL& v) { v.CreateThruster({0, 0, 0}, {0, 0, 0}, 1000, v.CreatePropellantResource(10), 3000); },
         "cannot push; it gives no thrust", [](const auto& d) { return d.thrusters[0].maxThrust == 0; }},
        {"ThrusterWithoutImpulse",
         [](VESSEL& v) { v.CreateThruster({0, 0, 0}, {0, 0, 1}, 1000, v.CreatePropellantResource(10), -1); },
         "specific impulse -1; it gives no thrust", [](const auto& d) { return d.thrusters[0].isp == -1; }},
        {"TankOfNothing", [](VESSEL& v) { v.CreatePropellantResource(10, kNaN, 0); },
         "CreatePropellantResource(10, nan, 0)",
         [](const auto& d) { return d.tanks[0].mass == 10 && d.tanks[0].efficiency == 1; }},
    };
    for (const BadCall& c : calls) {
        SCOPED_TRACE(c.name);
        MakeOdd();
        messages.clear();
        c.call(*vessel);
        ASSERT_FALSE(messages.empty());
        EXPECT_NE(messages[0].find("vessel 'Odd' (Probe)"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(c.says), std::string::npos) << messages[0];
        EXPECT_TRUE(c.kept(Record(handle).def));
        for (int i = 0; i < 128; ++i) host.Step();
        EXPECT_TRUE(StateIsFinite());
    }
}

TEST_F(BadDefinition, TanklessThrusterGivesNoThrust) {
    THRUSTER_HANDLE th = vessel->CreateThruster({0, 0, 0}, {0, 1, 0}, 1e5, nullptr, 3000);
    vessel->CreateThrusterGroup(&th, 1, THGROUP_MAIN);
    vessel->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    OBJHANDLE twin = Create("Twin", "Probe", StatusFor({0, 0, 1000, {0, 0, 0}, {0, 0, 0}}));
    for (int i = 0; i < 128; ++i) host.Step();
    EXPECT_EQ(Record(handle).state.vel, Record(twin).state.vel);
}

double NaNLift(double) { return kNaN; }

TEST_F(BadDefinition, LiftCurveGivingNaNCountsAsNoLift) {
    vessel->SetCW(0.1, 0.1, 0.5, 0.5);
    vessel->SetLiftCoeffFunc(NaNLift);
    vessel->SetWingAspect(1);
    vessel->SetWingEffectiveness(2);
    Record(handle).state.vel = Record(handle).state.rot * dvec3(0, -10, 200);
    for (int i = 0; i < 256; ++i) host.Step();
    EXPECT_TRUE(StateIsFinite());
    EXPECT_TRUE(messages.empty());
}

TEST_F(BadDefinition, StatusWithNonFiniteNumbersIsReportedAndZeroed) {
    VESSELSTATUS s = StatusFor({0, 0, 1000, {0, 0, 0}, {0, 0, 100}});
    s.rvel.y = kNaN;
    s.arot.z = kInf;
    s.fuel = kNaN;
    OBJHANDLE h = Create("Broken", "Corvex", s);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("vessel 'Broken' (Corvex): its status has numbers that are not finite"),
              std::string::npos)
        << messages[0];
    const host::VesselRecord& rec = Record(h);
    EXPECT_EQ(rec.def.tanks[0].mass, 0);
    for (int i = 0; i < 128; ++i) host.Step();
    EXPECT_TRUE(std::isfinite(glm::length(rec.state.pos) + glm::length(rec.state.vel)));
}

// Legal but absurd: a rocket of 1e308 N overflows to infinity. The vessel is stopped where it
// was, once reported, and the rest of the world flies on.
TEST_F(BadDefinition, RunawayMotionIsStoppedAndReportedOnce) {
    THRUSTER_HANDLE th = vessel->CreateThruster({0, 0, 0}, {0, 0, 1}, 1e308, vessel->CreatePropellantResource(1), 1e308);
    vessel->CreateThrusterGroup(&th, 1, THGROUP_MAIN);
    vessel->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    OBJHANDLE other = Create("Other", "Probe", StatusFor({0, 0.01, 1000, {0, 0, 0}, {0, 0, 0}}));
    const dvec3 start = Record(handle).state.pos;
    messages.clear();
    for (int i = 0; i < 10; ++i) host.Step();
    EXPECT_TRUE(StateIsFinite());
    EXPECT_EQ(Record(handle).state.pos, start);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("vessel 'Odd' (Probe): its motion is no longer finite"), std::string::npos)
        << messages[0];
    EXPECT_GT(glm::length(Record(other).state.vel), 0) << "the other vessel still falls";
}

}  // namespace
