// A vessel's step may delete others and create more (a shell that downs a fighter which is
// replaced twice over): every other vessel is still stepped exactly once, in index order, and
// nothing calls into a deleted vessel.
#include <algorithm>

#include "HostFixture.h"
#include "Probe.h"

namespace {

Probe& ProbeOf(OBJHANDLE h) { return *static_cast<Probe*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h))); }

TEST_F(HostTest, DeletionAndCreationInsideAStepLeaveTheIterationSound) {
    struct Case {
        const char* what;
        int actor, victim;  // indexes among four probes
    };
    const Case cases[] = {
        {"a later vessel, before its turn", 1, 3},
        {"an earlier vessel, already stepped", 2, 0},
        {"the next vessel in order", 1, 2},
        {"itself", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.Reset();
        host.modules.SetSearchPath({CORVEX_MODULE_DIR, CORVEX_TEST_MODULE_DIR});
        std::vector<OBJHANDLE> pre, post;
        std::vector<OBJHANDLE> probes;
        for (const char* name : {"P0", "P1", "P2", "P3"}) {
            probes.push_back(Create(name, "Probe", StatusAt(100)));
            ProbeOf(probes.back()).stepLog = &pre;
            ProbeOf(probes.back()).postLog = &post;
        }
        Probe& actor = ProbeOf(probes[c.actor]);
        actor.victim = probes[c.victim];
        std::strcpy(actor.spawnName, "Kid");
        actor.spawnCount = 2;
        host.Step();

        std::vector<OBJHANDLE> expectPre;
        for (int i = 0; i < 4; ++i)
            if (i != c.victim || c.victim <= c.actor) expectPre.push_back(probes[i]);
        EXPECT_EQ(pre, expectPre);
        ASSERT_EQ(oapiGetVesselCount(), 5u);
        std::vector<OBJHANDLE> survivors;
        for (DWORD i = 0; i < oapiGetVesselCount(); ++i) survivors.push_back(oapiGetVesselByIndex(static_cast<int>(i)));
        EXPECT_EQ(std::count(survivors.begin(), survivors.end(), probes[c.victim]), 0);
        const std::vector<OBJHANDLE> expectPost(survivors.begin(), survivors.end());
        EXPECT_EQ(post, expectPost) << "the newcomers move in this step's physics and post-step";

        pre.clear();
        post.clear();
        host.Step();
        EXPECT_EQ(pre, survivors) << "survivors in index order, the newcomers last";
        EXPECT_EQ(post, survivors);
    }
}

TEST_F(HostTest, AVesselDeletedBeforeItsTurnIsReleasedAfterTheStep) {
    OBJHANDLE killer = Create("Killer", "Probe", StatusAt(100));
    OBJHANDLE victim = Create("Victim", "Probe", StatusAt(100));
    ProbeOf(killer).victim = victim;
    std::vector<OBJHANDLE> pre;
    ProbeOf(victim).stepLog = &pre;
    host.Step();
    EXPECT_TRUE(pre.empty());
    EXPECT_FALSE(oapiIsVessel(victim));
    EXPECT_EQ(host.vessels.Find(victim), nullptr) << "its record and instance are gone";
    host.Step();
    EXPECT_TRUE(pre.empty());
}

}  // namespace
