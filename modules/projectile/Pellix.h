// The gun projectile: flies ballistically, detonates near a live fighter, on its fuse or low.
#pragma once

#include "GameShip.h"

class Pellix final : public GAMESHIP {
public:
    Pellix(OBJHANDLE hVessel, int flightmodel) : GAMESHIP(hVessel, flightmodel) {}

    double fuseTime;     // simulation time of self-detonation, s
    double removalTime;  // simulation time of removal, s
};
