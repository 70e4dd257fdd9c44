// Vessel class "Probe": a game vessel of a third library, for the host and cross-library tests.
#pragma once

#include <cstring>
#include <vector>

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
        if (stepLog) stepLog->push_back(GetHandle());
        if (destroyCorvexes) DestroyEveryLiveCorvex();
        if (victim) {
            oapiDeleteVessel(victim, nullptr);
            victim = nullptr;
        }
        for (; spawnName[0] && spawnCount > 0; --spawnCount) {
            VESSELSTATUS s;
            GetStatus(s);
            spawned = oapiCreateVessel(spawnName, "Probe", s);
            // Children report to the same logs, so a test sees every step call.
            if (VESSEL* v = oapiGetVesselInterface(spawned)) {
                Probe* child = static_cast<Probe*>(static_cast<VESSEL2*>(v));
                child->stepLog = stepLog;
                child->postLog = postLog;
            }
        }
        spawnName[0] = '\0';
        spawnCount = 1;
        if (deleteSelf) {
            deleteSelf = false;
            oapiDeleteVessel(GetHandle(), nullptr);
            nameAfterDelete = GetName();  // still safe inside the step that deleted it
        }
    }

    void clbkPostStep(double, double, double) override {
        if (postLog) postLog->push_back(GetHandle());
    }

    int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) override {
        keys.push_back({key, down, key < OAPI_KEY_STATE_SIZE && (kstate[key] & 0x80) != 0});
        if (deleteSelfOnKey) oapiDeleteVessel(GetHandle(), nullptr);
        return 0;
    }

    void clbkFocusChanged(bool getfocus, OBJHANDLE hNewVessel, OBJHANDLE hOldVessel) override {
        focusCalls.push_back({getfocus, hNewVessel, hOldVessel});
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

    struct KeyCall {
        DWORD key;
        bool down;
        bool stateDown;  // what the key state buffer said about the key
    };
    struct FocusCall {
        bool gained;
        OBJHANDLE newVessel, oldVessel;
    };

    int destroyCalls = 0;
    int preSteps = 0;
    bool destroyCorvexes = false;
    bool deleteSelf = false;
    OBJHANDLE victim = nullptr;  // deleted in the next pre-step
    char spawnName[32] = {};     // spawnCount probes of this name are created in the next pre-step
    int spawnCount = 1;
    std::vector<OBJHANDLE>* stepLog = nullptr;  // every pre-step adds its vessel
    std::vector<OBJHANDLE>* postLog = nullptr;  // every post-step adds its vessel
    std::vector<KeyCall> keys;
    bool deleteSelfOnKey = false;
    std::vector<FocusCall> focusCalls;
    OBJHANDLE spawned = nullptr;
    const char* nameAfterDelete = nullptr;
};
