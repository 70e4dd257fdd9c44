// The fighter's gun: shells of class "Pellix", or fire commands to the cannon MFD.
#include "Corvex.h"
#include "GameState.h"
#include "VesselGeometry.h"

namespace {

constexpr int kCannonMfd = 0;
constexpr DWORD kKey2 = 3;
constexpr DWORD kKeyMinus = 12;
constexpr double kMinShotInterval = 0.75;  // s; a shot needs more than this since the last
constexpr VECTOR3 kMuzzle{0, 1, 12};       // m, fighter frame

}  // namespace

void Corvex::FireGun() {
    const int showing = oapiGetMFDMode(kCannonMfd);
    if (showing != 0 && showing == cannonMfdMode && team == 0) {
        const int count = cannonShotCount;
        cannonShotCount = count + 1;
        if (count > 6) {
            cannonShotCount = 0;
            oapiSendMFDKey(kCannonMfd, kKeyMinus);
        }
        oapiSendMFDKey(kCannonMfd, kKey2);
        return;
    }
    if (!(oapiGetSimTime() - lastShotTime > kMinShotInterval)) return;
    VESSELSTATUS status;
    GetStatus(status);
    status.status = 0;
    const VECTOR3 muzzle = LocalToGlobal(*this, kMuzzle);
    const VECTOR3 muzzleVelocity = LocalToGlobal(*this, {0, 0, muzzleSpeed});
    status.rpos = {status.rpos.x + muzzle.x, status.rpos.y + muzzle.y, status.rpos.z + muzzle.z};
    status.rvel = {status.rvel.x + muzzleVelocity.x, status.rvel.y + muzzleVelocity.y,
                   status.rvel.z + muzzleVelocity.z};
    oapiCreateVessel("bullet", "Pellix", status);
    lastShotTime = oapiGetSimTime();
}
