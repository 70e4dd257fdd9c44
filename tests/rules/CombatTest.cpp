// Destruction, replacement, respawn and the end of the game, through the fighter module.
#include <algorithm>

#include "GameFixture.h"
#include "api_impl/Handles.h"

namespace {

using glm::dvec3;

class CombatTest : public GameTest {
protected:
    // Where a new fighter appeared and how it flies, seen from where its spawner was. Checked up
    // to a step after its creation, so give or take one step of flight.
    static void ExpectSpawnedNear(OBJHANDLE spawned, const dvec3& spawnerPos, double spawnerAltitude) {
        const host::VesselRecord& rec = Record(spawned);
        const Separation s = SeparationOf(spawnerPos, rec.state.pos);
        // The band is flat in the spawner's horizon frame; the ground curves away by under 0.3 m.
        EXPECT_GE(s.horizontal, 800 - 0.5);
        EXPECT_LE(s.horizontal, 1600 + 0.5);
        EXPECT_GE(s.altitude, std::max(250.0, spawnerAltitude - 600) - 0.5);
        EXPECT_LE(s.altitude, spawnerAltitude + 600 + 0.5);
        EXPECT_LT(glm::length(rec.state.vel), 0.5) << "at rest in the air around the spawner";
        EXPECT_FALSE(rec.state.landed);
        EXPECT_NEAR(rec.def.tanks[0].mass, rec.def.tanks[0].capacity, 1) << "a full tank";
        EXPECT_EQ(rec.def.thrusters[0].level, 1) << "main engine at full thrust";
        EXPECT_EQ(rec.def.thrusters[1].level, 0) << "hover engine off";
    }
};

TEST_F(CombatTest, AnEnemyShotDownIsReplacedAndItsWreckRemoved) {
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE enemy = AddFighter("Red", 2, 1000, 3000);
    Record(enemy).state.vel = dvec3(0, 120, 0);
    host.Step();
    const dvec3 pos = Record(enemy).state.pos;
    const double t = host.clock.Now();

    Hit(enemy);
    const Corvex& wreck = Fighter(enemy);
    EXPECT_EQ(wreck.destroyed, 1);
    EXPECT_EQ(wreck.removalTime, t + 0.75);
    EXPECT_EQ(FragsText(), "FRAGS: 1");
    EXPECT_EQ(LivesText(), "LIVES: 4");
    const host::Definition& d = Record(enemy).def;
    EXPECT_TRUE(d.meshes.empty()) << "an enemy leaves no wreck mesh";
    EXPECT_EQ(d.tanks[0].mass, 0);
    ASSERT_EQ(d.streams.size(), 7u + 5u);
    EXPECT_EQ(host.view.cameraDistance, 1) << "the player's view is left alone";

    ASSERT_EQ(CountCreated("Red*"), 1);
    OBJHANDLE replacement = Created("Red*")[0].vessel;
    const Corvex& r = Fighter(replacement);
    EXPECT_EQ(r.team, 2);
    EXPECT_EQ(r.aiMode, 1);
    EXPECT_EQ(r.target, player);
    EXPECT_EQ(r.destroyed, 0);
    ExpectSpawnedNear(replacement, pos, 1000);
    EXPECT_EQ(CountCreated("CLONE"), 0);

    StepUntil(t + 0.75);
    EXPECT_TRUE(oapiIsVessel(enemy)) << "the wreck burns until 0.75 s after the hit";
    host.Step();
    EXPECT_FALSE(oapiIsVessel(enemy));
    EXPECT_TRUE(oapiIsVessel(replacement));
}

TEST_F(CombatTest, ExplosionStreams) {
    OBJHANDLE enemy = AddFighter("Red", 1);
    Hit(enemy);
    const Corvex& f = Fighter(enemy);
    const auto& streams = Record(enemy).def.streams;
    ASSERT_EQ(streams.size(), 12u);
    const dvec3 directions[5] = {{0, 0, 1}, {1, 1, 0}, {1, -1, 0}, {-1, 1, 0}, {-1, -1, 0}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE("stream " + std::to_string(i + 1));
        const host::ParticleStream& s = streams[7 + i];
        const bool core = i == 0;
        EXPECT_EQ(host::HandleIndex(f.explosionStreams[i]), 7 + i);
        EXPECT_EQ(s.level, &f.destroyed);
        EXPECT_EQ(s.pos, dvec3(0));
        EXPECT_EQ(s.dir, directions[i]);
        EXPECT_EQ(s.spec.flags, 0u);
        EXPECT_EQ(s.spec.srcsize, core ? 14 : 3);
        EXPECT_EQ(s.spec.srcrate, core ? 4 : 16);
        EXPECT_EQ(s.spec.v0, core ? 0 : 18);
        EXPECT_EQ(s.spec.srcspread, core ? 0 : 8);
        EXPECT_EQ(s.spec.lifetime, 0.75);
        EXPECT_EQ(s.spec.growthrate, core ? 8 : 6);
        EXPECT_EQ(s.spec.atmslowdown, core ? 5 : 2);
        EXPECT_EQ(s.spec.ltype, core ? PARTICLESTREAMSPEC::EMISSIVE : PARTICLESTREAMSPEC::DIFFUSE);
        EXPECT_EQ(s.spec.levelmap, PARTICLESTREAMSPEC::LVL_FLAT);
        EXPECT_EQ(s.spec.lmin, 1);
        EXPECT_EQ(s.spec.lmax, 1);
        EXPECT_EQ(s.spec.atmsmap, PARTICLESTREAMSPEC::ATM_FLAT);
        EXPECT_EQ(s.spec.amin, 1);
        EXPECT_EQ(s.spec.amax, 1);
        EXPECT_EQ(s.spec.tex, nullptr);
    }
}

TEST_F(CombatTest, FragsBringReplacementsAndEveryThirdBelow24AClone) {
    // High up, so that twenty seconds of falling bring nobody near the ground.
    AddFighter("Player", 0, 20000);
    OBJHANDLE next = AddFighter("X", 1, 20000, 5000);
    std::string expectedName = "X";
    for (int frag = 1; frag <= 25; ++frag) {
        SCOPED_TRACE("frag " + std::to_string(frag));
        const int clonesBefore = CountCreated("CLONE");
        Hit(next);
        EXPECT_EQ(FragsText(), "FRAGS: " + std::to_string(frag));
        expectedName += "*";
        ASSERT_EQ(CountCreated(expectedName), 1) << "replacement " << expectedName;
        const bool clone = frag < 24 && frag % 3 == 0;
        EXPECT_EQ(CountCreated("CLONE") - clonesBefore, clone ? 1 : 0);
        next = Created(expectedName)[0].vessel;
        StepUntil(host.clock.Now() + 0.8);  // the wreck goes
    }
    EXPECT_EQ(CountCreated("CLONE"), 7);
    EXPECT_EQ(LivesText(), "LIVES: 4");

    // A clone's replacement is named after it.
    OBJHANDLE clone = Created("CLONE")[0].vessel;
    EXPECT_EQ(Fighter(clone).team, 1);
    EXPECT_EQ(Fighter(clone).aiMode, 1);
    Hit(clone);
    EXPECT_EQ(CountCreated("CLONE*"), 1);
}

TEST_F(CombatTest, ASecondHitOnAWreckScoresNothing) {
    OBJHANDLE enemy = AddFighter("Red", 1);
    Hit(enemy);
    Hit(enemy);
    EXPECT_EQ(FragsText(), "FRAGS: 1");
    EXPECT_EQ(CountCreated("Red*"), 1);
    EXPECT_EQ(Record(enemy).def.streams.size(), 12u);
}

TEST_F(CombatTest, ThePlayersFourDeaths) {
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE enemy = AddFighter("Red", 1, 1000, 4000);
    oapiSetFocusObject(player);
    oapiCameraAttach(player, 0);

    for (int death = 1; death <= 4; ++death) {
        SCOPED_TRACE("death " + std::to_string(death));
        const double t = host.clock.Now();
        Record(player).state.vel = dvec3(30, 40, 0);
        Hit(player);
        EXPECT_EQ(LivesText(), "LIVES: " + std::to_string(4 - death));
        EXPECT_EQ(FragsText(), "FRAGS: 0");
        EXPECT_EQ(host.view.cameraTarget, player);
        EXPECT_EQ(host.view.cameraMode, 1) << "outside, watching the wreck";
        EXPECT_EQ(host.view.cameraDistance, std::pow(2.0, death));
        const host::Definition& d = Record(player).def;
        ASSERT_EQ(d.meshes.size(), 1u);
        EXPECT_EQ(d.meshes[0].name, "Corvex/CrashWreck1");
        EXPECT_EQ(Fighter(player).removalTime, t + 1.125);

        StepUntil(t + 1.125);
        EXPECT_EQ(CountCreated("PLAYER"), death - 1) << "nothing before 1.125 s";
        const dvec3 pos = Record(player).state.pos;
        host.Step();
        if (death < 4) {
            ASSERT_EQ(CountCreated("PLAYER"), death);
            const host::Event created = Created("PLAYER").back();
            EXPECT_EQ(created.during, player) << "spawned by the wreck's own step";
            EXPECT_FALSE(oapiIsVessel(player)) << "the wreck is gone";
            player = created.vessel;
            const Corvex& p = Fighter(player);
            EXPECT_EQ(p.team, 0);
            EXPECT_EQ(p.aiMode, 0) << "the player flies it";
            EXPECT_EQ(p.target, enemy);
            EXPECT_EQ(host.view.focus, player);
            EXPECT_EQ(host.view.cameraTarget, player);
            EXPECT_EQ(host.view.cameraMode, 0) << "cockpit";
            ExpectSpawnedNear(player, pos, glm::length(pos) - host::physics::kPlanetRadius);
            EXPECT_EQ(MessageText(), "");
        }
    }

    // Game over: the wreck stays with its mesh, its fire out, and nobody respawns.
    EXPECT_EQ(MessageText(), "GAME OVER");
    EXPECT_TRUE(oapiIsVessel(player));
    EXPECT_EQ(Record(player).def.meshes[0].name, "Corvex/CrashWreck1");
    const auto& streams = Record(player).def.streams;
    ASSERT_EQ(streams.size(), 12u);
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(streams[i].alive) << "stream " << i;
    for (int i = 7; i < 12; ++i) EXPECT_FALSE(streams[i].alive) << "explosion stream " << i;
    StepUntil(host.clock.Now() + 5);
    EXPECT_TRUE(oapiIsVessel(player));
    EXPECT_EQ(CountCreated("PLAYER"), 3);
    EXPECT_EQ(MessageText(), "GAME OVER");
}

TEST_F(CombatTest, AnyTeamAtOrBelowZeroIsThePlayers) {
    OBJHANDLE odd = AddFighter("Odd", -1);
    OBJHANDLE second = AddFighter("Second", 0, 1000, 3000);
    Hit(odd);
    EXPECT_EQ(LivesText(), "LIVES: 3");
    StepUntil(1.2);
    ASSERT_EQ(CountCreated("PLAYER"), 1);
    EXPECT_EQ(Fighter(Created("PLAYER")[0].vessel).team, 0) << "respawned on the player's team";

    // More player fighters than lives: the count goes below zero and shows its sign.
    for (OBJHANDLE h : {Created("PLAYER")[0].vessel, second}) Hit(h);
    AddFighter("Third", 0, 1000, 6000);
    AddFighter("Fourth", 0, 1000, 9000);
    Hit(oapiGetVesselByName("Third"));
    Hit(oapiGetVesselByName("Fourth"));
    EXPECT_EQ(LivesText(), "LIVES: -1");
}

TEST_F(CombatTest, SpawnAltitudeBand) {
    // Many replacements from one spot: every draw lands within the band, and the band is used.
    for (double altitude : {100.0, 5000.0}) {
        SCOPED_TRACE(testing::Message() << "spawner at " << altitude << " m");
        std::string name = altitude < 1000 ? "Low" : "High";
        OBJHANDLE enemy = AddFighter(name, 1, altitude, altitude * 10);
        const dvec3 spot = Record(enemy).state.pos;
        double lowest = 1e9, highest = -1e9;
        for (int i = 0; i < 40; ++i) {
            Hit(enemy);
            name += "*";
            OBJHANDLE replacement = Created(name).at(0).vessel;
            ExpectSpawnedNear(replacement, spot, altitude);
            const double a = SeparationOf(spot, Record(replacement).state.pos).altitude;
            lowest = std::min(lowest, a);
            highest = std::max(highest, a);
            Record(replacement).state.pos = spot;
            enemy = replacement;
        }
        EXPECT_LT(lowest, std::max(250.0, altitude - 600) + 100);
        EXPECT_GT(highest, altitude + 500);
    }
}

TEST_F(CombatTest, HardLandingsCrash) {
    struct Case {
        const char* what;
        bool contact;
        double sinkRate;  // m/s, downwards
        bool crashes;
    };
    const Case cases[] = {
        {"exactly 15 m/s on the ground", true, 15, false},
        {"faster than 15 m/s on the ground", true, 15.01, true},
        {"climbing off the ground", true, -20, false},
        {"fast descent in the air", false, 100, false},
    };
    std::vector<OBJHANDLE> fighters;
    for (const Case& c : cases) {
        OBJHANDLE h = AddFighter(c.what, 1, 1.5, 0);
        host::VesselRecord& rec = Record(h);
        // The first sits where up is exactly +x, so that 15 m/s down is exactly 15.
        rec.state.pos.z += 5000.0 * fighters.size();
        rec.state.vel = -c.sinkRate * host::physics::HorizonToGlobal(rec.state.pos)[1];
        rec.groundContact = c.contact;
        fighters.push_back(h);
    }
    host.Step();
    for (std::size_t i = 0; i < fighters.size(); ++i)
        EXPECT_EQ(Fighter(fighters[i]).destroyed, cases[i].crashes ? 1 : 0) << cases[i].what;
}

TEST_F(CombatTest, ATargetThatVanishesIsDropped) {
    OBJHANDLE hunter = AddFighter("Hunter", 1);
    OBJHANDLE wreck = AddFighter("Wreck", 2, 1000, 5000);
    OBJHANDLE prey = AddFighter("Prey", 0, 1000, 9000);
    Fighter(hunter).target = prey;
    Fighter(wreck).target = prey;
    Hit(wreck);
    oapiDeleteVessel(prey);
    host.Step();
    EXPECT_EQ(Fighter(hunter).target, nullptr);
    EXPECT_EQ(Fighter(wreck).target, nullptr) << "wrecks drop theirs too";
}

}  // namespace
