// The pilot's keys through the host's keyboard queue: Q the cannon MFD, N the next enemy, M the
// trail, Space the gun.
#include <functional>

#include "Battle.h"

namespace {

constexpr DWORD kQ = OAPI_KEY_Q, kN = OAPI_KEY_N, kM = OAPI_KEY_M, kSpace = OAPI_KEY_SPACE;
constexpr double kStep = 1.0 / 128;

// What the pilot's keys change.
struct Cockpit {
    double trail = 0;
    std::string target;   // empty for none
    bool cannon = false;  // MFD 0 shows the cannon mode
    std::vector<DWORD> cannonKeys;
    double muzzleSpeed = 350;
    int gunRange = 1200;
    std::size_t shells = 0;
    bool operator==(const Cockpit&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Cockpit& c) {
    out << "trail " << c.trail << ", target '" << c.target << "', cannon " << c.cannon << ", cannon keys";
    for (DWORD k : c.cannonKeys) out << ' ' << k;
    return out << ", muzzle " << c.muzzleSpeed << " m/s, range " << c.gunRange << " m, shells " << c.shells;
}

class PilotKeys : public Battle {
protected:
    void SetUp() override {
        Battle::SetUp();
        // Another add-on's MFD mode, there before the fighter module looks for it.
        cannonMode = oapiRegisterMFDMode({"NR23", 0});
    }

    Cockpit Read(OBJHANDLE h) const {
        const Corvex& f = Fighter(h);
        const VESSEL* target = f.target ? oapiGetVesselInterface(f.target) : nullptr;
        return {.trail = f.trailLevel,
                .target = target ? target->GetName() : "",
                .cannon = oapiGetMFDMode(0) == cannonMode,
                .cannonKeys = host.screen.mfds[0].keys,
                .muzzleSpeed = f.muzzleSpeed,
                .gunRange = f.gunRange,
                .shells = Created("bullet").size()};
    }

    int cannonMode = 0;
};

TEST_F(PilotKeys, WhatEachKeyDoes) {
    Load("keys.scn");
    const OBJHANDLE player = Named("Player");
    struct Row {
        int step;  // delivered at the start of this step
        DWORD key;
        bool down;
        const char* what;
        std::function<void(Cockpit&)> change;  // none: nothing changes
    };
    const Row rows[] = {
        {10, kM, true, "M turns the trail on", [](Cockpit& c) { c.trail = 1; }},
        {11, kM, false, "a release does nothing", nullptr},
        {12, kN, true, "N takes the first enemy in vessel order", [](Cockpit& c) { c.target = "Red"; }},
        {13, kN, false, "a release does nothing", nullptr},
        {14, kN, true, "N passes the wingman for the other enemy team", [](Cockpit& c) { c.target = "Blue"; }},
        {15, kN, true, "and goes round", [](Cockpit& c) { c.target = "Red"; }},
        {20, kQ, true, "Q opens the cannon on MFD 0 and primes it with 1, 1, 3",
         [](Cockpit& c) {
             c.cannon = true;
             c.cannonKeys = {2, 2, 4};
             c.muzzleSpeed = 850;
             c.gunRange = 3000;
         }},
        {21, kQ, false, "a release does nothing", nullptr},
        {22, kSpace, true, "Space fires the cannon: key 2, no shell", [](Cockpit& c) { c.cannonKeys.push_back(3); }},
        {23, kSpace, false, "a release does nothing", nullptr},
        {30, kQ, true, "Q closes the cannon; the range stays",
         [](Cockpit& c) {
             c.cannon = false;
             c.muzzleSpeed = 350;
         }},
        {40, kSpace, true, "no shell in the first 0.75 s", nullptr},
        {96, kSpace, true, "nor at 0.75 s", nullptr},
        {97, kSpace, true, "a shell after", [](Cockpit& c) { c.shells = 1; }},
        {98, kSpace, false, "a release does nothing", nullptr},
        {97 + 96, kSpace, true, "no shell 0.75 s after the last", nullptr},
        {97 + 97, kSpace, true, "one after that", [](Cockpit& c) { c.shells = 2; }},
        {200, OAPI_KEY_A, true, "keys not the fighter's do nothing", nullptr},
        {201, kM, true, "M turns the trail off", [](Cockpit& c) { c.trail = 0; }},
    };
    for (const Row& row : rows) host.keyboard.Push({row.step * kStep, row.key, row.down});

    Cockpit expected = Read(player);
    ASSERT_EQ(expected, Cockpit{});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        StepTo((row.step + 1) * kStep);
        if (row.change) row.change(expected);
        EXPECT_EQ(Read(player), expected);
    }
    for (const host::Event& key : Seen(host::Event::Kind::KeyDelivered)) EXPECT_EQ(key.vessel, player);
}

TEST_F(PilotKeys, AWreckIgnoresEveryKey) {
    Load("last-stand.scn");
    const OBJHANDLE player = Named("Player");
    ASSERT_TRUE(StepUntil([&] { return Fighter(player).destroyed != 0; }, 0.5)) << "the shell missed";
    const Cockpit before = Read(player);
    // While it burns, the wreck keeps the focus: every key reaches it, after 0.75 s too.
    const double t = 0.8;
    for (DWORD key : {kQ, kN, kM, kSpace}) Press(t, key);
    StepTo(1);
    EXPECT_EQ(Read(player), before);
    const std::vector<host::Event> keys = Seen(host::Event::Kind::KeyDelivered);
    ASSERT_EQ(keys.size(), 4u);
    for (const host::Event& key : keys) EXPECT_EQ(key.vessel, player);
}

// One fire count for every fighter of the player's team: the minus key goes before every eighth
// shot, whichever of them fires it. Other teams fire shells whatever MFD 0 shows.
TEST_F(PilotKeys, TheCannonCountsShotsOfTheWholeTeam) {
    Load("keys.scn");
    const OBJHANDLE player = Named("Player"), wingman = Named("Wingman"), red = Named("Red");
    Press(10 * kStep, kQ);
    StepTo(11 * kStep);
    ASSERT_TRUE(Read(player).cannon);

    std::vector<DWORD> expected = {2, 2, 4};
    for (int shot = 1; shot <= 16; ++shot) {
        // After four shots the player takes over the wingman, whose fourth is the team's eighth.
        if (shot == 5) oapiSetFocusObject(wingman);
        Press(host.clock.Now(), kSpace);
        host.Step();
        if (shot % 8 == 0) expected.push_back(12);
        expected.push_back(3);
    }
    EXPECT_EQ(host.screen.mfds[0].keys, expected);
    EXPECT_TRUE(Created("bullet").empty());
    EXPECT_EQ(Fighter(player).lastShotTime, 0);
    EXPECT_EQ(Fighter(wingman).lastShotTime, 0);

    oapiSetFocusObject(red);
    StepTo(1);
    Press(host.clock.Now(), kSpace);
    host.Step();
    EXPECT_EQ(Created("bullet").size(), 1u) << "an enemy's gun fires shells";
    EXPECT_EQ(host.screen.mfds[0].keys, expected);
}

}  // namespace
