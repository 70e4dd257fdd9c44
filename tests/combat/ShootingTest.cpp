// The player's gun against enemies from scenario files: the hit, the frag, the replacement, the
// reinforcements and the wreck's removal.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "Battle.h"

namespace {

using Kind = host::Event::Kind;

TEST_F(Battle, ThePlayerShootsDownTheFighterAhead) {
    Load("duel.scn");
    const OBJHANDLE player = Named("Player"), red = Named("Red");
    // The replacement is placed around where the enemy was when it was hit.
    glm::dvec3 wreckAtSpawn{0};
    host.events.Subscribe([&](const host::Event& e) {
        if (e.kind == Kind::VesselCreated && e.name == "Red*") wreckAtSpawn = Record(red).state.pos;
    });
    // The gun needs more than 0.75 s since the start.
    Press(0.8, OAPI_KEY_SPACE);
    Release(0.9, OAPI_KEY_SPACE);
    ASSERT_TRUE(StepUntil([&] { return Fighter(red).destroyed != 0; }, 3)) << "the shell missed";

    const std::vector<host::Event> shots = Created("bullet");
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots[0].during, player) << "fired on the player's key";
    const OBJHANDLE shell = shots[0].vessel;
    EXPECT_EQ(Shell(shell).destroyed, 1);

    // The shell's step ran the fighter module's Destroy: the frag and the replacement come from it.
    const double hit = host.clock.Now() - host.clock.step;
    EXPECT_EQ(StoryDuring(shell), (std::vector<std::string>{"text FRAGS: 1", "created Red*"}));
    EXPECT_EQ(LivesText(), "LIVES: 4");
    const host::Event spawned = Created("Red*").at(0);
    EXPECT_EQ(spawned.time, hit);

    const double a = host::physics::Altitude(wreckAtSpawn);
    const Separation s = SeparationOf(wreckAtSpawn, Record(spawned.vessel).state.pos);
    // The band is flat in the wreck's horizon; the ground curves away from it by under 0.3 m.
    EXPECT_GE(s.horizontal, 800 - 0.5);
    EXPECT_LE(s.horizontal, 1600 + 0.5);
    EXPECT_GE(s.altitude, std::max(250.0, a - 600) - 0.5);
    EXPECT_LE(s.altitude, a + 600 + 0.5);
    const Corvex& replacement = Fighter(spawned.vessel);
    EXPECT_EQ(replacement.team, 1);
    EXPECT_EQ(replacement.aiMode, 1);
    EXPECT_EQ(replacement.target, player);

    StepTo(hit + 1);
    const host::Event* wreckGone = Deletion(red);
    ASSERT_NE(wreckGone, nullptr);
    EXPECT_EQ(wreckGone->time, hit + 0.75);
    EXPECT_EQ(wreckGone->during, red) << "the wreck removes itself";
    const host::Event* shellGone = Deletion(shell);
    ASSERT_NE(shellGone, nullptr);
    EXPECT_GE(shellGone->time, hit + 0.6);
    EXPECT_LT(shellGone->time - host.clock.step, hit + 0.6) << "in the first step at or after 0.6 s";
    EXPECT_EQ(shellGone->during, shell);
    EXPECT_TRUE(oapiIsVessel(spawned.vessel));
    EXPECT_EQ(host.view.focus, player);
}

TEST_F(Battle, AShellBetweenTwoFightersDownsBothInIndexOrder) {
    Load("pair.scn");
    const OBJHANDLE first = Named("Red-1"), second = Named("Red-2");
    Press(0.8, OAPI_KEY_SPACE);
    ASSERT_TRUE(StepUntil([&] { return Fighter(first).destroyed != 0 || Fighter(second).destroyed != 0; }, 3))
        << "the shell missed";
    EXPECT_EQ(Fighter(first).destroyed, 1);
    EXPECT_EQ(Fighter(second).destroyed, 1) << "in the same step";
    const OBJHANDLE shell = Created("bullet").at(0).vessel;
    EXPECT_EQ(StoryDuring(shell),
              (std::vector<std::string>{"text FRAGS: 1", "created Red-1*", "text FRAGS: 2", "created Red-2*"}));
    EXPECT_EQ(Record(shell).def.streams.size(), 10u) << "the shell went off before each hit";
}

// Every third frag below 24 brings a reinforcement: a marksman downs a row of 24 enemies, one a
// shot, and the game answers each with a replacement and, on frags 3 to 21, a CLONE.
TEST_F(Battle, FragsBringReplacementsAndEveryThirdBelow24AClone) {
    constexpr int kTargets = 24;
    std::ifstream file(std::string(CORVEX_COMBAT_DATA) + "/gallery.scn");
    std::stringstream scenario;
    scenario << file.rdbuf();
    for (int i = 1; i <= kTargets; ++i)
        scenario << "\nVESSEL T" << i << ":Corvex\n  RELATIVE Marksman 0 1 " << 20 + 20 * i << "\n  TEAM 1\nEND\n";
    LoadText(scenario.str(), "gallery.scn");
    const OBJHANDLE marksman = Named("Marksman");
    events.clear();
    for (int shot = 1; shot <= kTargets; ++shot) Press(shot, OAPI_KEY_SPACE);
    StepTo(kTargets + 2);

    std::vector<std::string> expected;
    for (int frag = 1; frag <= kTargets; ++frag) {
        expected.push_back("text FRAGS: " + std::to_string(frag));
        expected.push_back("created T" + std::to_string(frag) + "*");
        if (frag < 24 && frag % 3 == 0) expected.push_back("created CLONE");
    }
    EXPECT_EQ(Story([](const host::Event& e) {
                  return e.kind == Kind::AnnotationText || (e.kind == Kind::VesselCreated && e.name != "bullet");
              }),
              expected);

    // Shot k downed target k.
    const std::vector<host::Event> shots = Created("bullet");
    ASSERT_EQ(shots.size(), static_cast<std::size_t>(kTargets)) << "only the marksman fires";
    for (int k = 1; k <= kTargets; ++k) {
        EXPECT_EQ(shots[k - 1].during, marksman);
        EXPECT_EQ(Created("T" + std::to_string(k) + "*").at(0).during, shots[k - 1].vessel) << "target " << k;
    }
    EXPECT_EQ(LivesText(), "LIVES: 4");
}

}  // namespace
