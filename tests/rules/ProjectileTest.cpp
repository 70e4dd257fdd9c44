// The gun projectile: its definition, proximity fuse, timers and explosion.
#include <algorithm>

#include "GameFixture.h"

namespace {

using glm::dvec3;

class ProjectileTest : public GameTest {
protected:
    OBJHANDLE AddShell(double altitude = 1000, double north = 0) { return Create("bullet", "Pellix", StatusAt(altitude, north)); }
};

TEST_F(ProjectileTest, Definition) {
    StepUntil(0.5);
    OBJHANDLE h = AddShell();
    const host::Definition& d = Record(h).def;
    ASSERT_EQ(d.meshes.size(), 1u);
    EXPECT_EQ(d.meshes[0].name, "Corvex/Bullet");
    EXPECT_EQ(d.meshes[0].offset, dvec3(0));
    EXPECT_EQ(d.size, 2);
    EXPECT_EQ(d.emptyMass, 20);
    EXPECT_EQ(d.pmi, dvec3(3, 3, 1));
    EXPECT_EQ(d.crossSections, dvec3(0.3, 0.3, 0.6));
    EXPECT_EQ(d.cwZPos, 0.07);
    EXPECT_EQ(d.cwZNeg, 0.07);
    EXPECT_EQ(d.cwX, 0.07);
    EXPECT_EQ(d.cwY, 0.07);
    EXPECT_EQ(d.rotDrag, dvec3(0.5, 0.5, 0.5));
    EXPECT_EQ(d.pitchMomentScale, 0.001);
    EXPECT_EQ(d.bankMomentScale, 0.001);
    EXPECT_EQ(d.frictionLng, 100);
    EXPECT_EQ(d.frictionLat, 100);
    EXPECT_EQ(d.cogElev, 0);
    EXPECT_EQ(d.touchdown[0], dvec3(0, 0, 0));
    EXPECT_EQ(d.touchdown[1], dvec3(0.1, 0, 0.3));
    EXPECT_EQ(d.touchdown[2], dvec3(-0.1, 0, 0.3));
    EXPECT_FALSE(d.focusEnabled);
    EXPECT_TRUE(d.streams.empty());
    EXPECT_TRUE(d.tanks.empty());

    const Pellix& shell = Shell(h);
    EXPECT_EQ(shell.destroyed, 0);
    EXPECT_EQ(shell.fuseTime, 3.5) << "counted from its creation";
    EXPECT_EQ(shell.removalTime, 0.5 + 3 + 0.6);

    EXPECT_EQ(oapiSetFocusObject(h), nullptr);
    EXPECT_NE(host.view.focus, h) << "the player can never fly a shell";
}

TEST_F(ProjectileTest, HitsOnlyLiveFightersStrictlyWithin8Metres) {
    struct Case {
        const char* what;
        const char* className;
        double distance;
        double destroyed;  // of the vessel near the shell, if it is a game ship
        bool hit;
    };
    const Case cases[] = {
        {"fighter exactly 8 m away", "Corvex", 8, 0, false},
        {"fighter 7.99 m away", "Corvex", 7.99, 0, true},
        {"fighter right on it", "Corvex", 0, 0, true},
        {"wreck 1 m away", "Corvex", 1, 1, false},
        {"upper case class", "CORVEX", 1, 0, false},
        {"lower case class", "corvex", 1, 0, false},
        {"longer class name", "Corvexx", 1, 0, false},
        {"shorter class name", "Corve", 1, 0, false},
        {"another game ship", "Probe", 1, 0, false},
        {"another shell", "Pellix", 1, 0, false},
    };
    struct Placed {
        OBJHANDLE shell, other;
    };
    std::vector<Placed> placed;
    double north = 0;
    for (const Case& c : cases) {
        OBJHANDLE other = Create("Other", c.className, StatusAt(1000, north));
        static_cast<GAMESHIP*>(static_cast<VESSEL2*>(oapiGetVesselInterface(other)))->destroyed = c.destroyed;
        if (std::string(c.className) == "Corvex") Fighter(other).team = 1;
        OBJHANDLE shell = AddShell(1000, north);
        PlaceAt(shell, other, {0, 0, c.distance});
        placed.push_back({shell, other});
        north += 20000;
    }
    host.Step();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(Shell(placed[i].shell).destroyed, c.hit ? 1 : 0) << c.what;
        if (c.hit) {
            EXPECT_EQ(Fighter(placed[i].other).destroyed, 1) << c.what;
        }
    }
}

TEST_F(ProjectileTest, TwoFightersInRangeAreBothHitInIndexOrder) {
    OBJHANDLE a = AddFighter("A", 1);
    OBJHANDLE b = AddFighter("B", 2);
    OBJHANDLE shell = AddShell();
    PlaceAt(b, a, {0, 0, 6});
    PlaceAt(shell, a, {0, 0, 3});
    host.Step();

    EXPECT_EQ(Fighter(a).destroyed, 1);
    EXPECT_EQ(Fighter(b).destroyed, 1);
    EXPECT_EQ(FragsText(), "FRAGS: 2");
    // The fighter module's own Destroy ran inside the shell's step, A first.
    ASSERT_EQ(CountCreated("A*"), 1);
    ASSERT_EQ(CountCreated("B*"), 1);
    EXPECT_EQ(Created("A*")[0].during, shell);
    EXPECT_EQ(Created("B*")[0].during, shell);
    const auto& order = host.vessels.InOrder();
    const auto indexOf = [&](const char* name) {
        return std::find_if(order.begin(), order.end(), [&](auto* r) { return r->name == name; }) - order.begin();
    };
    EXPECT_LT(indexOf("A*"), indexOf("B*"));
    EXPECT_EQ(Record(shell).def.streams.size(), 10u) << "one detonation before each hit";
}

TEST_F(ProjectileTest, AHitRunsTheFighterModulesDestroy) {
    // The shell knows the fighter only as a game ship; the player's loss is the fighter's rule.
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE shell = AddShell(1000, 50);
    PlaceAt(shell, player, {0, 0, 5});
    host.Step();
    EXPECT_EQ(Fighter(player).destroyed, 1);
    EXPECT_EQ(LivesText(), "LIVES: 3");
    ASSERT_EQ(Record(player).def.meshes.size(), 1u);
    EXPECT_EQ(Record(player).def.meshes[0].name, "Corvex/CrashWreck1");
    EXPECT_EQ(host.view.cameraTarget, player);
}

TEST_F(ProjectileTest, DetonatesOnItsFuseAndIsRemoved0Point6sLater) {
    OBJHANDLE shell = AddShell();
    StepUntil(3);
    EXPECT_EQ(Shell(shell).destroyed, 0) << "still flying in the step before 3 s";
    host.Step();  // t = 3
    const Pellix& detonated = Shell(shell);
    EXPECT_EQ(detonated.destroyed, 1);
    EXPECT_EQ(detonated.removalTime, 3 + 0.6);
    const host::Definition& d = Record(shell).def;
    EXPECT_TRUE(d.meshes.empty()) << "the shell is hidden";
    ASSERT_EQ(d.streams.size(), 5u);

    const dvec3 directions[5] = {{0, 0, 1}, {1, 1, 0}, {1, -1, 0}, {-1, 1, 0}, {-1, -1, 0}};
    for (int i = 0; i < 5; ++i) {
        const host::ParticleStream& s = d.streams[i];
        SCOPED_TRACE("stream " + std::to_string(i + 1));
        EXPECT_EQ(s.pos, dvec3(0));
        EXPECT_EQ(s.dir, directions[i]);
        EXPECT_EQ(s.level, &detonated.destroyed);
        EXPECT_EQ(s.thruster, -1);
        const bool core = i == 0;
        EXPECT_EQ(s.spec.flags, 0u);
        EXPECT_EQ(s.spec.srcsize, core ? 8 : 1.5);
        EXPECT_EQ(s.spec.srcrate, core ? 6 : 8);
        EXPECT_EQ(s.spec.v0, core ? 0 : 10);
        EXPECT_EQ(s.spec.srcspread, core ? 0 : 8);
        EXPECT_EQ(s.spec.lifetime, core ? 0.24 : 0.6);
        EXPECT_EQ(s.spec.growthrate, core ? 4 : 3);
        EXPECT_EQ(s.spec.atmslowdown, core ? 5 : 1);
        EXPECT_EQ(s.spec.ltype, core ? PARTICLESTREAMSPEC::EMISSIVE : PARTICLESTREAMSPEC::DIFFUSE);
        EXPECT_EQ(s.spec.levelmap, PARTICLESTREAMSPEC::LVL_FLAT);
        EXPECT_EQ(s.spec.lmin, 1);
        EXPECT_EQ(s.spec.lmax, 1);
        EXPECT_EQ(s.spec.atmsmap, PARTICLESTREAMSPEC::ATM_FLAT);
        EXPECT_EQ(s.spec.amin, 1);
        EXPECT_EQ(s.spec.amax, 1);
        EXPECT_EQ(s.spec.tex, nullptr);
    }

    StepUntil(3.6);
    EXPECT_TRUE(oapiIsVessel(shell));
    host.Step();  // the first step at or after 3.6 s
    EXPECT_FALSE(oapiIsVessel(shell));
    const std::vector<host::Event>& all = events;
    const auto deleted = std::find_if(all.begin(), all.end(), [&](const host::Event& e) {
        return e.kind == host::Event::Kind::VesselDeleted && e.vessel == shell;
    });
    ASSERT_NE(deleted, all.end());
    EXPECT_EQ(deleted->during, shell) << "it deletes itself";
}

TEST_F(ProjectileTest, DetonatesStrictlyBelowHalfAMetre) {
    const std::pair<double, bool> cases[] = {{0.5, false}, {0.49, true}, {-3, true}, {400, false}};
    std::vector<OBJHANDLE> shells;
    for (const auto& [altitude, detonates] : cases) shells.push_back(AddShell(altitude, 1000.0 * shells.size()));
    host.Step();
    for (std::size_t i = 0; i < shells.size(); ++i)
        EXPECT_EQ(Shell(shells[i]).destroyed, cases[i].second ? 1 : 0) << "at " << cases[i].first << " m";
}

TEST_F(ProjectileTest, AHitInTheFuseStepDetonatesTwice) {
    OBJHANDLE shell = AddShell();
    OBJHANDLE fighter = AddFighter("F", 1, 1000, 5000);
    StepUntil(3);
    PlaceAt(fighter, shell, {0, 0, 5});
    host.Step();
    EXPECT_EQ(Fighter(fighter).destroyed, 1);
    EXPECT_EQ(Record(shell).def.streams.size(), 10u);
    EXPECT_EQ(FragsText(), "FRAGS: 1");
}

TEST_F(ProjectileTest, ADetonatedShellHitsNothingMore) {
    OBJHANDLE shell = AddShell(0.2);
    OBJHANDLE fighter = AddFighter("F", 1, 1000, 5000);
    host.Step();
    ASSERT_EQ(Shell(shell).destroyed, 1);
    PlaceAt(fighter, shell, {0, 0, 1});
    host.Step();
    EXPECT_EQ(Fighter(fighter).destroyed, 0);
    EXPECT_EQ(Record(shell).def.streams.size(), 5u);
    StepUntil(0.61);
    EXPECT_FALSE(oapiIsVessel(shell)) << "removed 0.6 s after it went off";
}

}  // namespace
