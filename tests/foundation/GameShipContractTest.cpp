// Two separately built modules meet only through the shared game-vessel base: each must find
// the other's flag and Destroy where it expects them.
#include <cstddef>

#include "Corvex.h"
#include "HostFixture.h"
#include "Probe.h"

namespace {

std::ptrdiff_t OffsetOfDestroyed(GAMESHIP* ship) {
    return reinterpret_cast<char*>(&ship->destroyed) - reinterpret_cast<char*>(ship);
}

GAMESHIP* ShipOf(OBJHANDLE h) { return static_cast<GAMESHIP*>(static_cast<VESSEL2*>(oapiGetVesselInterface(h))); }

TEST_F(HostTest, DestroyedSitsRightBehindTheHostPartInEveryModule) {
    GAMESHIP* fighter = ShipOf(Create("F", "Corvex", StatusAt(100)));
    GAMESHIP* probe = ShipOf(Create("P", "Probe", StatusAt(100)));
    GAMESHIP* shell = ShipOf(Create("S", "Pellix", StatusAt(100)));
    EXPECT_EQ(OffsetOfDestroyed(fighter), static_cast<std::ptrdiff_t>(sizeof(VESSEL2)));
    EXPECT_EQ(OffsetOfDestroyed(probe), OffsetOfDestroyed(fighter));
    EXPECT_EQ(OffsetOfDestroyed(shell), OffsetOfDestroyed(fighter));
    // The host holds each vessel through its VESSEL part, which follows the table pointer.
    EXPECT_EQ(reinterpret_cast<char*>(oapiGetVesselInterface(Create("G", "Corvex", StatusAt(100)))) -
                  reinterpret_cast<char*>(ShipOf(oapiGetVesselByName("G"))),
              static_cast<std::ptrdiff_t>(sizeof(void*)));
    EXPECT_EQ(fighter->destroyed, 0);
    EXPECT_EQ(probe->destroyed, 0);
    EXPECT_EQ(shell->destroyed, 0);
}

TEST_F(HostTest, VirtualDestroyRunsTheOwningModulesOverride) {
    OBJHANDLE p = Create("P", "Probe", StatusAt(100));
    GAMESHIP* ship = ShipOf(p);
    ship->Destroy();  // called from this binary, runs the probe library's code
    EXPECT_EQ(static_cast<Probe*>(ship)->destroyCalls, 1);
    EXPECT_EQ(ship->destroyed, 1);
}

TEST(GameShipBase, DefaultDestroyChangesNothing) {
    GAMESHIP ship(nullptr, 1);
    ship.Destroy();
    EXPECT_EQ(ship.destroyed, 0);
}

}  // namespace
