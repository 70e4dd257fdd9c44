// The pilot's keys, the gun and the cannon MFD, through the focus fighter's key callback.
#include "GameFixture.h"

namespace {

using glm::dvec3;

constexpr DWORD kQ = 16, kN = 49, kM = 50, kSpace = 57;
constexpr double kStep = 1.0 / 128;

class GunTest : public GameTest {
protected:
    // As the host delivers a key to the focus vessel.
    int Key(OBJHANDLE h, DWORD key, bool down = true) {
        char keyboard[256] = {};
        return Record(h).instance->clbkConsumeBufferedKey(key, down, keyboard);
    }
    int Bullets() const { return CountCreated("bullet"); }
    const std::vector<DWORD>& CannonKeys() const { return host.screen.mfds[0].keys; }
};

TEST_F(GunTest, ReleasesAndWrecksIgnoreEveryKey) {
    oapiRegisterMFDMode({"NR23", 0});
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE wreck = AddFighter("Wreck", 0, 1000, 3000);
    AddFighter("Red", 1, 1000, 6000);
    Hit(wreck);
    StepUntil(1);

    struct Snapshot {
        double trail, muzzleSpeed;
        int gunRange, mfdMode, bullets;
        OBJHANDLE target;
        bool operator==(const Snapshot&) const = default;
    };
    const auto snapshot = [&](OBJHANDLE h) {
        const Corvex& f = Fighter(h);
        return Snapshot{f.trailLevel, f.muzzleSpeed, f.gunRange, oapiGetMFDMode(0), Bullets(), f.target};
    };
    for (DWORD key : {kQ, kN, kM, kSpace, DWORD{2}, DWORD{30}}) {
        const Snapshot before = snapshot(player);
        EXPECT_EQ(Key(player, key, false), 0);
        EXPECT_TRUE(snapshot(player) == before) << "release of key " << key;
        const Snapshot wreckBefore = snapshot(wreck);
        EXPECT_EQ(Key(wreck, key), 0);
        EXPECT_TRUE(snapshot(wreck) == wreckBefore) << "key " << key << " on a wreck";
    }
    // Pressed, every key does its job and still leaves the key to the host.
    for (DWORD key : {kQ, kN, kM, kSpace, DWORD{30}}) EXPECT_EQ(Key(player, key), 0) << "key " << key;
}

TEST_F(GunTest, MTogglesTheTrail) {
    OBJHANDLE player = AddFighter("Player", 0);
    Corvex& f = Fighter(player);
    const std::pair<double, double> cases[] = {{0, 1}, {1, 0}, {0.3, 0.7}};
    for (const auto& [from, to] : cases) {
        f.trailLevel = from;
        Key(player, kM);
        EXPECT_DOUBLE_EQ(f.trailLevel, to) << "from " << from;
        EXPECT_EQ(*Record(player).def.streams[6].level, f.trailLevel) << "the trail follows at once";
    }
}

TEST_F(GunTest, NStepsThroughTheHostileFighters) {
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE a = AddFighter("A", 1, 1000, 1000);
    AddFighter("Friend", 0, 1000, 2000);
    OBJHANDLE b = AddFighter("B", 2, 1000, 3000);
    Create("bullet", "Pellix", StatusAt(5000));
    for (OBJHANDLE expected : {a, b, a}) {
        Key(player, kN);
        EXPECT_EQ(Fighter(player).target, expected);
    }
    Fighter(a).destroyed = 1;
    Fighter(b).destroyed = 1;
    Key(player, kN);
    EXPECT_EQ(Fighter(player).target, nullptr) << "only wrecks left";
}

TEST_F(GunTest, AtMostOneShellEvery0Point75Seconds) {
    OBJHANDLE player = AddFighter("Player", 0);
    struct Case {
        double time;
        bool fires;
    };
    // The first shot needs more than 0.75 s since 0; each next one more than 0.75 s since the last.
    const Case cases[] = {{0.5, false},          {0.75, false},          {0.75 + kStep, true}, {1.0, false},
                          {1.5 + kStep, false},  {1.5 + 2 * kStep, true}, {4.0, true}};
    int fired = 0;
    for (const Case& c : cases) {
        StepUntil(c.time);
        const double lastBefore = Fighter(player).lastShotTime;
        Key(player, kSpace);
        fired += c.fires;
        EXPECT_EQ(Bullets(), fired) << "at " << c.time << " s";
        EXPECT_EQ(Fighter(player).lastShotTime, c.fires ? c.time : lastBefore);
    }
}

TEST_F(GunTest, ShellsLeaveTheMuzzleAlongTheNoseWhateverTheAttitude) {
    namespace phys = host::physics;
    const phys::Attitude attitudes[] = {{0, 0, 0}, {0.4, 0, 0}, {0, 1.0, 2.0}, {-0.7, -2.5, 4.0}, {1.5, 0.3, 5.5}};
    std::vector<OBJHANDLE> fighters;
    for (std::size_t i = 0; i < std::size(attitudes); ++i)
        fighters.push_back(AddFighter("F" + std::to_string(i), 0, 1000, 10000.0 * i));
    StepUntil(1);
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        const phys::Attitude& att = attitudes[i];
        SCOPED_TRACE(testing::Message() << "pitch " << att.pitch << " bank " << att.bank << " heading " << att.heading);
        host::VesselRecord& rec = Record(fighters[i]);
        rec.state.rot = phys::RotationFromAttitude(rec.state.pos, att);
        rec.state.vel = rec.state.rot * dvec3(0, 3, 200) + dvec3(1, 2, 3);
        rec.state.landed = true;
        Fighter(fighters[i]).muzzleSpeed = 850;
        Key(fighters[i], kSpace);
        ASSERT_EQ(Bullets(), static_cast<int>(i + 1));
        const host::Event created = Created("bullet").back();
        EXPECT_EQ(created.className, "Pellix");
        const host::VesselRecord& shell = Record(created.vessel);
        const dvec3 muzzle = rec.state.pos + rec.state.rot * dvec3(0, 1, 12);
        const dvec3 velocity = rec.state.vel + rec.state.rot * dvec3(0, 0, 850);
        EXPECT_LT(glm::length(shell.state.pos - muzzle), 1e-6);
        EXPECT_LT(glm::length(shell.state.vel - velocity), 1e-9);
        EXPECT_LT(glm::length(shell.state.rot[2] - rec.state.rot[2]), 1e-9) << "pointing where the fighter points";
        EXPECT_FALSE(shell.state.landed) << "in flight even from the ground";
    }
}

TEST_F(GunTest, CannonMfd) {
    const int nr23 = oapiRegisterMFDMode({"NR23", 0});
    const int orbit = oapiRegisterMFDMode({"Orbit", 0});
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE wingman = AddFighter("Wingman", 0, 1000, 3000);
    OBJHANDLE enemy = AddFighter("Red", 1, 1000, 6000);
    StepUntil(1);
    Corvex& p = Fighter(player);

    // Q opens the cannon and primes it with 1, 1, 3.
    Key(player, kQ);
    EXPECT_EQ(oapiGetMFDMode(0), nr23);
    EXPECT_EQ(CannonKeys(), (std::vector<DWORD>{2, 2, 4}));
    EXPECT_EQ(p.muzzleSpeed, 850);
    EXPECT_EQ(p.gunRange, 3000);

    // Fire commands of both team-0 fighters go to the cannon: key 2, and minus before every eighth.
    std::vector<DWORD> expected = CannonKeys();
    for (int shot = 1; shot <= 16; ++shot) {
        StepUntil(host.clock.Now() + 1);
        Key(shot % 2 ? player : wingman, kSpace);
        if (shot % 8 == 0) expected.push_back(12);
        expected.push_back(3);
    }
    EXPECT_EQ(CannonKeys(), expected);
    EXPECT_EQ(Bullets(), 0);
    EXPECT_EQ(p.lastShotTime, 0) << "the shell timer is not touched";

    // Any other team fires shells as usual.
    Key(enemy, kSpace);
    EXPECT_EQ(Bullets(), 1);

    // Q again closes it: the shells slow down, the range stays.
    Key(player, kQ);
    EXPECT_EQ(oapiGetMFDMode(0), 0);
    EXPECT_EQ(p.muzzleSpeed, 350);
    EXPECT_EQ(p.gunRange, 3000);
    Key(player, kSpace);
    EXPECT_EQ(Bullets(), 2);

    // Another mode on MFD 0 is a gun like any other, and Q replaces it with the cannon.
    oapiOpenMFD(orbit, 0);
    StepUntil(host.clock.Now() + 1);
    Key(player, kSpace);
    EXPECT_EQ(Bullets(), 3);
    const std::size_t keysBefore = CannonKeys().size();
    Key(player, kQ);
    EXPECT_EQ(oapiGetMFDMode(0), nr23);
    EXPECT_EQ(std::vector<DWORD>(CannonKeys().begin() + keysBefore, CannonKeys().end()), (std::vector<DWORD>{2, 2, 4}));
}

TEST_F(GunTest, WithoutACannonModeQOnlyClearsTheMfd) {
    const int orbit = oapiRegisterMFDMode({"Orbit", 0});
    OBJHANDLE player = AddFighter("Player", 0);
    Corvex& p = Fighter(player);
    StepUntil(1);
    Key(player, kQ);
    EXPECT_EQ(oapiGetMFDMode(0), 0);
    EXPECT_EQ(p.muzzleSpeed, 350);
    EXPECT_EQ(p.gunRange, 1200);

    oapiOpenMFD(orbit, 0);
    Key(player, kQ);
    EXPECT_EQ(oapiGetMFDMode(0), 0) << "asking for the unknown cannon closes the MFD";
    EXPECT_TRUE(CannonKeys().empty());
    Key(player, kSpace);
    EXPECT_EQ(Bullets(), 1);
}

TEST_F(GunTest, ThePlayerShootsDownAFighterAhead) {
    OBJHANDLE player = AddFighter("Player", 0);
    OBJHANDLE enemy = AddFighter("Red", 1, 1001, 150);
    oapiSetFocusObject(player);
    StepUntil(1);
    Key(player, kSpace);
    ASSERT_EQ(Bullets(), 1);
    OBJHANDLE shell = Created("bullet")[0].vessel;

    while (Fighter(enemy).destroyed == 0 && host.clock.Now() < 3) host.Step();
    ASSERT_EQ(Fighter(enemy).destroyed, 1) << "the shell hit";
    const double hitTime = host.clock.Now() - kStep;
    EXPECT_EQ(Shell(shell).destroyed, 1);
    EXPECT_EQ(FragsText(), "FRAGS: 1");
    ASSERT_EQ(CountCreated("Red*"), 1);
    const host::Event replacement = Created("Red*")[0];
    EXPECT_EQ(replacement.during, shell) << "the fighter's Destroy ran in the shell's step";
    const Separation s = SeparationOf(Record(enemy).state.pos, Record(replacement.vessel).state.pos);
    EXPECT_GE(s.horizontal, 800 - 0.5);
    EXPECT_LE(s.horizontal, 1600 + 0.5);
    EXPECT_GE(s.altitude, 401 - 0.5);
    EXPECT_LE(s.altitude, 1601 + 0.5);
    EXPECT_EQ(Fighter(replacement.vessel).target, player);

    StepUntil(hitTime + 0.6);
    EXPECT_TRUE(oapiIsVessel(shell));
    host.Step();
    EXPECT_FALSE(oapiIsVessel(shell)) << "the shell goes 0.6 s after the hit";
    StepUntil(hitTime + 0.75);
    EXPECT_TRUE(oapiIsVessel(enemy));
    host.Step();
    EXPECT_FALSE(oapiIsVessel(enemy)) << "the wreck goes 0.75 s after the hit";
    EXPECT_EQ(host.view.focus, player);
}

}  // namespace
