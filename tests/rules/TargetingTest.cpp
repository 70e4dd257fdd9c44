// Hostility and stepping through the fighters in the host's vessel order.
#include "Corvex.h"
#include "HostFixture.h"

namespace {

class TargetingTest : public HostTest {
protected:
    OBJHANDLE Add(const char* name, const char* className, int team = 1) {
        OBJHANDLE h = Create(name, className, StatusAt(1000, 100.0 * oapiGetVesselCount()));
        if (Corvex* f = FighterOf(h)) f->team = team;
        return h;
    }
    static Corvex& Fighter(OBJHANDLE h) { return *FighterOf(h); }
    static const char* NameOf(OBJHANDLE h) { return h ? oapiGetVesselInterface(h)->GetName() : "null"; }
};

TEST_F(TargetingTest, IsHostile) {
    OBJHANDLE self = Add("Self", "Corvex", 0);
    OBJHANDLE friendly = Add("Friend", "Corvex", 0);
    OBJHANDLE enemy = Add("Enemy", "Corvex", 2);
    OBJHANDLE probe = Add("Probe", "Probe");
    OBJHANDLE nearMiss = Add("Near", "CORVEX");
    OBJHANDLE gone = Add("Gone", "Corvex", 3);
    oapiDeleteVessel(gone);
    const Corvex& me = Fighter(self);

    struct Case {
        const char* what;
        OBJHANDLE vessel;
        double destroyed;
        bool hostile;
    };
    const Case cases[] = {
        {"null", nullptr, 0, false},
        {"own team", friendly, 0, false},
        {"own team, wreck", friendly, 1, false},
        {"other team", enemy, 0, true},
        {"other team, wreck", enemy, 1, false},
        {"other team, neither alive nor a wreck", enemy, 0.5, true},
        {"another class", probe, 0, false},
        {"a class that differs only in case", nearMiss, 0, false},
        {"a vessel that is gone", gone, 0, false},
        {"itself", self, 0, false},
    };
    for (const Case& c : cases) {
        if (Corvex* f = FighterOf(c.vessel)) f->destroyed = c.destroyed;
        EXPECT_EQ(me.IsHostile(c.vessel), c.hostile) << c.what;
    }
}

TEST_F(TargetingTest, SelectNextFighterFollowsTheIndexOrderAndWraps) {
    OBJHANDLE self = Add("Self", "Corvex", 0);  // index 0
    OBJHANDLE probe = Add("Probe", "Probe");
    OBJHANDLE a = Add("A", "Corvex");  // index 2
    Add("bullet", "Pellix");
    Add("Upper", "CORVEX");
    OBJHANDLE b = Add("B", "Corvex");  // index 5
    Add("Lower", "corvex");
    OBJHANDLE c = Add("C", "Corvex");  // index 7
    Add("Longer", "Corvexx");
    Add("Shorter", "Corve");
    OBJHANDLE gone = Add("Gone", "Corvex");
    oapiDeleteVessel(gone);
    ASSERT_EQ(oapiGetVesselByIndex(7), c);

    const std::pair<OBJHANDLE, OBJHANDLE> cases[] = {
        {a, b}, {b, c}, {c, a}, {nullptr, a}, {self, a}, {probe, a}, {gone, a},
    };
    Corvex& me = Fighter(self);
    for (const auto& [from, to] : cases) {
        me.target = from;
        me.SelectNextFighter();
        EXPECT_EQ(me.target, to) << "from " << (from == gone ? "a vessel that is gone" : NameOf(from));
    }
}

TEST_F(TargetingTest, WithOneOtherFighterItIsAlwaysTheNext) {
    OBJHANDLE self = Add("Self", "Corvex", 0);
    OBJHANDLE probe = Add("Probe", "Probe");
    OBJHANDLE other = Add("Other", "Corvex");
    Corvex& me = Fighter(self);
    for (OBJHANDLE from : {static_cast<OBJHANDLE>(nullptr), self, probe, other}) {
        me.target = from;
        me.SelectNextFighter();
        EXPECT_EQ(me.target, other) << "from " << NameOf(from);
    }
}

TEST_F(TargetingTest, ALoneFighterSelectsNothing) {
    OBJHANDLE self = Add("Self", "Corvex", 0);
    Add("Probe", "Probe");
    Add("bullet", "Pellix");
    Corvex& me = Fighter(self);
    for (OBJHANDLE from : {static_cast<OBJHANDLE>(nullptr), self}) {
        me.target = from;
        me.SelectNextFighter();
        EXPECT_EQ(me.target, nullptr);
        me.target = from;
        me.SelectNextHostile();
        EXPECT_EQ(me.target, nullptr);
    }
}

TEST_F(TargetingTest, SelectNextHostileSkipsFriendsAndWrecks) {
    OBJHANDLE self = Add("Self", "Corvex", 0);
    OBJHANDLE friendly = Add("Friend", "Corvex", 0);
    OBJHANDLE a = Add("A", "Corvex", 1);
    OBJHANDLE wreck = Add("Wreck", "Corvex", 2);
    OBJHANDLE b = Add("B", "Corvex", 2);
    Add("Probe", "Probe");
    Fighter(wreck).destroyed = 1;
    Corvex& me = Fighter(self);

    const std::pair<OBJHANDLE, OBJHANDLE> cases[] = {
        {nullptr, a}, {friendly, a}, {a, b}, {wreck, b}, {b, a},
    };
    for (const auto& [from, to] : cases) {
        me.target = from;
        me.SelectNextHostile();
        EXPECT_EQ(me.target, to) << "from " << NameOf(from);
    }
}

TEST_F(TargetingTest, SelectNextHostileKeepsTheOnlyEnemyAndEndsEmptyWithoutOne) {
    OBJHANDLE self = Add("Self", "Corvex", 0);
    OBJHANDLE friendly = Add("Friend", "Corvex", 0);
    OBJHANDLE enemy = Add("Enemy", "Corvex", 1);
    Corvex& me = Fighter(self);
    me.target = enemy;
    me.SelectNextHostile();
    EXPECT_EQ(me.target, enemy) << "the only hostile fighter is selected again";

    Fighter(enemy).destroyed = 1;
    for (OBJHANDLE from : {static_cast<OBJHANDLE>(nullptr), friendly, enemy}) {
        me.target = from;
        me.SelectNextHostile();
        EXPECT_EQ(me.target, nullptr) << "from " << NameOf(from);
    }
}

}  // namespace
