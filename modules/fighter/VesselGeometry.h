// The fire-control geometry applied to vessels, reading their current state from the host.
#pragma once

#include "Geometry.h"
#include "ModuleAPI.h"

VECTOR3 GlobalToLocal(const VESSEL& vessel, VECTOR3 v);
VECTOR3 LocalToGlobal(const VESSEL& vessel, VECTOR3 v);

// The aim point in own's frame for a shell at `speed` against target; false if it did not settle
// or own is not a vessel.
bool SolveIntercept(OBJHANDLE own, OBJHANDLE target, double speed, VECTOR3& aim);

void BearingAndClimb(OBJHANDLE own, OBJHANDLE target, double& heading, double& climb);
