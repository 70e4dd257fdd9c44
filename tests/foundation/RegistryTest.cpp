// Vessel life in the host: index order, handles, names, creation and deletion inside a step.
#include "HostFixture.h"
#include "Probe.h"

namespace {

Probe& ProbeOf(OBJHANDLE h) { return *static_cast<Probe*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h))); }

TEST_F(HostTest, IndexOrderIsCreationOrderAndCloses) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE b = Create("B", "Probe", StatusAt(100));
    OBJHANDLE c = Create("C", "Probe", StatusAt(100));
    ASSERT_EQ(oapiGetVesselCount(), 3u);
    EXPECT_EQ(oapiGetVesselByIndex(0), a);
    EXPECT_EQ(oapiGetVesselByIndex(1), b);
    EXPECT_EQ(oapiGetVesselByIndex(2), c);
    EXPECT_EQ(oapiGetVesselByIndex(3), nullptr);
    EXPECT_EQ(oapiGetVesselByIndex(-1), nullptr);
    EXPECT_TRUE(oapiDeleteVessel(b));
    EXPECT_EQ(oapiGetVesselCount(), 2u);
    EXPECT_EQ(oapiGetVesselByIndex(1), c);
}

TEST_F(HostTest, StaleHandleIsNeverANewerVessel) {
    OBJHANDLE old = Create("Old", "Probe", StatusAt(100));
    oapiDeleteVessel(old);
    EXPECT_FALSE(oapiIsVessel(old));
    EXPECT_EQ(oapiGetVesselInterface(old), nullptr);
    host.Step();  // releases the deleted instance; its slot may be reused
    OBJHANDLE young = Create("Young", "Probe", StatusAt(100));
    EXPECT_NE(young, old);
    EXPECT_FALSE(oapiIsVessel(old));
    EXPECT_TRUE(oapiIsVessel(young));
    EXPECT_FALSE(oapiDeleteVessel(old));
    EXPECT_TRUE(oapiIsVessel(young));
}

TEST_F(HostTest, NullAndForeignHandlesAreNoVessels) {
    EXPECT_FALSE(oapiIsVessel(nullptr));
    EXPECT_EQ(oapiGetVesselInterface(nullptr), nullptr);
    EXPECT_FALSE(oapiIsVessel(reinterpret_cast<OBJHANDLE>(0x12345678)));
    EXPECT_FALSE(oapiIsVessel(host::Registry::PlanetHandle()));
}

TEST_F(HostTest, SharedNamesFindTheFirstInIndexOrder) {
    OBJHANDLE first = Create("CLONE", "Probe", StatusAt(100));
    OBJHANDLE second = Create("CLONE", "Probe", StatusAt(100));
    EXPECT_NE(first, second);
    EXPECT_EQ(oapiGetVesselByName("CLONE"), first);
    oapiDeleteVessel(first);
    EXPECT_EQ(oapiGetVesselByName("CLONE"), second);
    EXPECT_EQ(oapiGetVesselByName("clone"), nullptr);
    EXPECT_EQ(oapiGetVesselByName("nobody"), nullptr);
    EXPECT_EQ(oapiGetVesselByName(nullptr), nullptr);
}

TEST_F(HostTest, VesselMayDeleteItselfInItsOwnPreStep) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    OBJHANDLE b = Create("B", "Probe", StatusAt(100));
    ProbeOf(a).deleteSelf = true;
    Probe& probeB = ProbeOf(b);
    host.Step();
    EXPECT_FALSE(oapiIsVessel(a));
    EXPECT_EQ(oapiGetVesselCount(), 1u);
    EXPECT_EQ(probeB.preSteps, 1) << "the next vessel is not skipped";
    host.Step();
    EXPECT_EQ(probeB.preSteps, 2);
}

TEST_F(HostTest, VesselCreatedInAStepFliesFromTheNext) {
    OBJHANDLE a = Create("A", "Probe", StatusAt(100));
    std::strcpy(ProbeOf(a).spawnName, "Child");
    host.Step();
    OBJHANDLE child = ProbeOf(a).spawned;
    ASSERT_TRUE(oapiIsVessel(child));
    EXPECT_EQ(oapiGetVesselByIndex(1), child);
    EXPECT_EQ(ProbeOf(child).preSteps, 0);
    host.Step();
    EXPECT_EQ(ProbeOf(child).preSteps, 1);
    EXPECT_EQ(ProbeOf(a).preSteps, 2);
}

TEST_F(HostTest, CreatedVesselIsDefinedBeforeCreateReturns) {
    OBJHANDLE f = Create("F", "Corvex", StatusAt(500));
    const host::VesselRecord& rec = Record(f);
    EXPECT_EQ(rec.def.thrusters.size(), 16u) << "class capabilities ran inside oapiCreateVessel";
    EXPECT_STREQ(oapiGetVesselInterface(f)->GetName(), "F");
    EXPECT_STREQ(oapiGetVesselInterface(f)->GetClassNameA(), "Corvex");
}

}  // namespace
