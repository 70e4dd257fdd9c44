// Vessel class "Probe": a game vessel of a third library, for the host and cross-library tests.
#pragma once

#include <cstring>

#include "GameShip.h"

class Probe final : public GAMESHIP {
public:
    Probe(OBJHANDLE h, int fm) : GAMESHIP(h, fm) {}

    void Destroy() override {
        ++destroyCalls;
        destroyed = 1;
    }

    void clbkPreStep(double, double, double) override {
        ++preSteps;
        if (destroyCorvexes) DestroyEveryLiveCorvex();
        if (spawnName[0]) {
            VESSELSTATUS s;
            GetStatus(s);
            spawned = oapiCreateVessel(spawnName, "Probe", s);
            spawnName[0] = '\0';
        }
        if (deleteSelf) {
            deleteSelf = false;
            oapiDeleteVessel(GetHandle(), nullptr);
            nameAfterDelete = GetName();  // still safe inside the step that deleted it
        }
    }

    // Like a projectile: finds fighters by class name and destroys them through the shared base.
    void DestroyEveryLiveCorvex() {
        const DWORD n = oapiGetVesselCount();
        for (DWORD i = 0; i < n; ++i) {
            VESSEL* v = oapiGetVesselInterface(oapiGetVesselByIndex(static_cast<int>(i)));
            if (!v || !v->GetClassNameA() || std::strcmp(v->GetClassNameA(), "Corvex") != 0) continue;
            auto* ship = static_cast<GAMESHIP*>(static_cast<VESSEL2*>(v));
            if (ship->destroyed == 0) ship->Destroy();
        }
    }

    int destroyCalls = 0;
    int preSteps = 0;
    bool destroyCorvexes = false;
    bool deleteSelf = false;
    char spawnName[32] = {};
    OBJHANDLE spawned = nullptr;
    const char* nameAfterDelete = nullptr;
};
