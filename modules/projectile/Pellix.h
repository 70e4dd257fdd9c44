// The gun projectile: flies ballistically, detonates near a live fighter, on its fuse or low.
#pragma once

#include "GameShip.h"

class Pellix final : public GAMESHIP {
public:
    Pellix(OBJHANDLE hVessel, int flightmodel) : GAMESHIP(hVessel, flightmodel) {}

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    // Hits every live fighter within range, then the fuse and ground tests, then removal.
    void clbkPreStep(double simt, double simdt, double mjd) override;
    // Detonates: hides the shell, shows the explosion and deletes the vessel 0.6 s later.
    void Destroy() override;

    double fuseTime;     // simulation time of self-detonation, s
    double removalTime;  // simulation time of removal, s
};
