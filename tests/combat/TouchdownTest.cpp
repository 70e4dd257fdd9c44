// Meeting the ground: a fighter sinking faster than 15 m/s when it touches down crashes, one
// sinking at 15 m/s or less lands.
#include <map>

#include "Battle.h"

namespace {

TEST_F(Battle, FightersTouchingDownFasterThan15MetresASecondCrash) {
    Load("touchdown.scn");
    struct Case {
        const char* name;
        bool crashes;
    };
    const Case cases[] = {{"Diver", true}, {"Soft", false}, {"Firm", false}};
    struct Contact {
        double time = -1;
        double sinkRate = 0;  // as the fighter's own step saw it
    };
    std::map<OBJHANDLE, Contact> first;
    std::vector<OBJHANDLE> fighters;
    for (const Case& c : cases) fighters.push_back(Named(c.name));

    while (host.clock.Now() < 3) {
        for (OBJHANDLE h : fighters) {
            const VESSEL* v = oapiGetVesselInterface(h);
            if (!v || !v->GroundContact() || first.count(h)) continue;
            VECTOR3 airspeed;
            v->GetHorizonAirspeedVector(airspeed);
            first[h] = {host.clock.Now(), -airspeed.y};
        }
        host.Step();
    }

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        ASSERT_EQ(first.count(fighters[i]), 1u) << "never touched down";
        const Contact& contact = first[fighters[i]];
        if (c.crashes) {
            EXPECT_GT(contact.sinkRate, 15);
            // Destroyed in its own step at the first contact: a frag for the enemy's loss.
            const std::vector<std::string> story = StoryDuring(fighters[i]);
            ASSERT_GE(story.size(), 2u);
            EXPECT_EQ(story[0], "text FRAGS: 1");
            EXPECT_EQ(story[1], std::string("created ") + c.name + "*");
            EXPECT_EQ(Created(std::string(c.name) + "*").at(0).time, contact.time);
        } else {
            EXPECT_LE(contact.sinkRate, 15);
            EXPECT_EQ(Fighter(fighters[i]).destroyed, 0);
            EXPECT_TRUE(Interface(fighters[i])->GroundContact()) << "still on the ground";
        }
    }
    EXPECT_EQ(first[Named("Firm")].sinkRate, 15) << "the fixture's touchdown is exactly at the limit";
    EXPECT_EQ(FragsText(), "FRAGS: 1");
    EXPECT_EQ(LivesText(), "LIVES: 4");
}

}  // namespace
