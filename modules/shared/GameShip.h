// The base of every game vessel. Both modules compile this one definition, so a vessel made by
// one module can be read and destroyed by the other: keep the member order and the slot of
// Destroy (right after the host's callbacks) the same in both.
#pragma once

#include "ModuleAPI.h"

class GAMESHIP : public VESSEL2 {
public:
    GAMESHIP(OBJHANDLE hVessel, int flightmodel) : VESSEL2(hVessel, flightmodel), destroyed(0) {}

    virtual void Destroy() {}

    // 0 in play, 1 destroyed; also the level of the vessel's explosion streams.
    double destroyed;
};
