// The fighter: a small winged craft flown by the player or by the autopilot.
#pragma once

#include "GameShip.h"

class Corvex final : public GAMESHIP {
public:
    Corvex(OBJHANDLE hVessel, int flightmodel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkSaveState(FILEHANDLE scn) override;
    void clbkLoadStateEx(FILEHANDLE scn, void* status) override;

    double trailLevel;             // smoke trail level: 0 off, 1 on
    OBJHANDLE target;              // the vessel tracked and attacked, or null
    int gunRange;                  // m
    double muzzleSpeed;            // m/s
    int team;                      // 0 is the player's
    int aiMode;                    // 0 off, 1 close in, 2 attack, 5 no target
    bool autopilotActive;
    double desiredHeading;         // rad
    double desiredPitch;           // rad
    double lastShotTime;           // simulation time, s
    double removalTime;            // simulation time, s
    PSTREAM_HANDLE explosionStreams[5];
};
