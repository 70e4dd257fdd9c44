// The autopilot through the real host and modules: what it decides, how it steers, and that it
// shoots down what it hunts.
#include <cmath>

#include "Constants.h"
#include "GameFixture.h"

namespace {

using glm::dvec3;

class AutopilotTest : public GameTest {
protected:
    // A hunter of team 1 flown by the autopilot, level at 3000 m heading north on the equator at
    // longitude 0, where north is the global +y axis and east the global +z axis.
    OBJHANDLE AddHunter() {
        OBJHANDLE h = AddFighter("Hunter", 1, 3000);
        Fighter(h).aiMode = 1;
        return h;
    }
    // A fighter of team 0 at an exact offset from the hunter: metres north and east of it.
    OBJHANDLE AddPrey(OBJHANDLE hunter, double north, double east) {
        OBJHANDLE h = AddFighter("Prey", 0, 3000);
        Record(h).state.pos = Record(hunter).state.pos + dvec3(0, north, east);
        return h;
    }
};

TEST_F(AutopilotTest, ModeFollowsDistanceAndAngleOffTheNose) {
    struct Case {
        const char* what;
        double north, east;
        int mode;
    };
    const double edge = 1.4 * 1200;
    const auto at = [](double degrees) { return std::pair{1000 * std::cos(degrees * RAD), 1000 * std::sin(degrees * RAD)}; };
    const Case cases[] = {
        {"exactly 1.4 gun ranges ahead", edge, 0, 2},
        {"a metre further", edge + 1, 0, 1},
        {"119 deg off the nose", at(119).first, at(119).second, 2},
        {"121 deg off the nose", at(121).first, at(121).second, 1},
        {"far behind", -5000, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
        OBJHANDLE hunter = AddHunter();
        AddPrey(hunter, c.north, c.east);
        host.Step();
        EXPECT_EQ(Fighter(hunter).aiMode, c.mode);
        EXPECT_TRUE(Fighter(hunter).autopilotActive);
        EXPECT_EQ(Fighter(hunter).target, oapiGetVesselByName("Prey"));
        EXPECT_EQ(oapiGetVesselInterface(hunter)->GetThrusterGroupLevel(THGROUP_MAIN), 1) << "full thrust";
    }
}

TEST_F(AutopilotTest, WithNoEnemyItFliesOnClimbingGently) {
    OBJHANDLE hunter = AddHunter();
    AddFighter("Friend", 1, 3000, 2000);
    double heading = 0;
    oapiGetHeading(hunter, &heading);
    host.Step();
    const Corvex& f = Fighter(hunter);
    EXPECT_EQ(f.aiMode, 5);
    EXPECT_EQ(f.target, nullptr);
    EXPECT_DOUBLE_EQ(f.desiredHeading, heading);
    EXPECT_DOUBLE_EQ(f.desiredPitch, 1 * RAD);
    // Nose 1.3 deg below its command: the pitch law raises it.
    EXPECT_EQ(Record(hunter).attitudeRotLevel[0], 0.2);
}

TEST_F(AutopilotTest, ModeZeroIsLeftToThePilot) {
    OBJHANDLE pilot = AddFighter("Pilot", 1, 3000);
    AddPrey(pilot, 1000, 0);
    for (int i = 0; i < 10; ++i) host.Step();
    EXPECT_EQ(Fighter(pilot).aiMode, 0);
    EXPECT_FALSE(Fighter(pilot).autopilotActive);
    EXPECT_EQ(oapiGetVesselInterface(pilot)->GetThrusterGroupLevel(THGROUP_MAIN), 0);
}

TEST_F(AutopilotTest, FailedFirstInterceptGivesNoCommands) {
    // A target racing away faster than a shell never settles into a solution.
    OBJHANDLE hunter = AddHunter();
    OBJHANDLE prey = AddPrey(hunter, 1000, 0);
    Record(prey).state.vel += dvec3(0, 2000, 0);
    host.Step();
    const Corvex& f = Fighter(hunter);
    EXPECT_EQ(f.aiMode, 1) << "a failed intercept falls back to closing in";
    EXPECT_FALSE(f.autopilotActive);
    EXPECT_EQ(oapiGetVesselInterface(hunter)->GetThrusterGroupLevel(THGROUP_MAIN), 0);
    EXPECT_EQ(Record(hunter).attitudeRotLevel, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(CountCreated("bullet"), 0);
}

TEST_F(AutopilotTest, FiresOnlyWithTheAimPointInsideTheCone) {
    for (const double degrees : {7.9, 8.1}) {
        SCOPED_TRACE(degrees);
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
        events.clear();
        host.events.Subscribe([this](const host::Event& e) { events.push_back(e); });
        OBJHANDLE hunter = AddHunter();
        // At rest relative to the hunter, so the aim point is the target itself.
        AddPrey(hunter, 600 * std::cos(degrees * RAD), 600 * std::sin(degrees * RAD));
        Fighter(hunter).lastShotTime = -1;  // the gun is ready from the first step
        host.Step();
        EXPECT_EQ(CountCreated("bullet"), degrees < 8 ? 1 : 0);
    }
}

TEST_F(AutopilotTest, AHunterShootsDownItsPrey) {
    // The prey flies straight and level under full thrust; the hunter starts a kilometre behind.
    OBJHANDLE hunter = AddHunter();
    OBJHANDLE prey = AddPrey(hunter, 1000, 0);
    oapiGetVesselInterface(prey)->SetThrusterGroupLevel(THGROUP_MAIN, 1);
    for (OBJHANDLE h : {hunter, prey}) Record(h).state.vel = Record(h).state.rot * dvec3(0, 0, 200);
    while (host.clock.Now() < 120 && LivesText() == "LIVES: 4") host.Step();
    EXPECT_EQ(LivesText(), "LIVES: 3") << "after " << host.clock.Now() << " s";
    EXPECT_GT(CountCreated("bullet"), 0);
}

}  // namespace
