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

    // Each step: drop a vanished target, deal with a wreck, then check for a crash.
    void clbkPreStep(double simt, double simdt, double mjd) override;
    // The pilot's keys Q, N, M and Space; never consumes a key.
    int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) override;
    // Shot down or crashed: scores, starts the replacement and turns the fighter into a wreck.
    void Destroy() override;

    // A fighter of another team that is not a wreck; false for anything that is not a fighter.
    bool IsHostile(OBJHANDLE vessel) const;
    // The next fighter after the target in the host's vessel order, wrapping around; never this one.
    void SelectNextFighter();
    // The next hostile fighter, or null when there is none.
    void SelectNextHostile();

    // A shell ahead, or a fire command to the cannon MFD while it shows.
    void FireGun();
    void ToggleCannonMfd();

    // A new fighter of the team near this one, flying at full thrust.
    void SpawnFighter(int newTeam, const char* name);

private:
    void DealWithWreck();
    void FlyAutopilot();
    void ChooseAutopilotMode();
    void SteerByControlLaws();
};

// The fighter behind a vessel handle, or null if the vessel is gone or of another class.
Corvex* FighterOf(OBJHANDLE vessel);
