// The pilot's own keys. The host applies its meaning of every key as well.
#include "Corvex.h"
#include "GameState.h"

namespace {

// The host's keyboard codes.
constexpr DWORD kKeyQ = 16;
constexpr DWORD kKeyN = 49;
constexpr DWORD kKeyM = 50;
constexpr DWORD kKeySpace = 57;
constexpr DWORD kKey1 = 2;
constexpr DWORD kKey3 = 4;

constexpr int kCannonMfd = 0;

}  // namespace

int Corvex::clbkConsumeBufferedKey(DWORD key, bool down, char*) {
    if (!down || destroyed != 0) return 0;
    switch (key) {
        case kKeyQ: ToggleCannonMfd(); break;
        case kKeyN: SelectNextHostile(); break;
        case kKeyM: trailLevel = 1 - trailLevel; break;
        case kKeySpace: FireGun(); break;
        default: break;
    }
    return 0;
}

void Corvex::ToggleCannonMfd() {
    const int showing = oapiGetMFDMode(kCannonMfd);
    oapiOpenMFD(showing == cannonMfdMode ? 0 : cannonMfdMode, kCannonMfd);
    if (oapiGetMFDMode(kCannonMfd) != 0) {
        oapiSendMFDKey(kCannonMfd, kKey1);
        oapiSendMFDKey(kCannonMfd, kKey1);
        oapiSendMFDKey(kCannonMfd, kKey3);
        muzzleSpeed = 850;
        gunRange = 3000;
    } else {
        // The range stays where the cannon left it.
        muzzleSpeed = 350;
    }
}
