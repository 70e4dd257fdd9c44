// The lead-computing gunsight: where to put the nose so that a shell fired now meets the target.
#pragma once

#include "HostTypes.h"

// For a target at relPos moving at relVel relative to the fighter (fighter frame), a shell at
// `speed` and gravity along `weight` (fighter frame): the reticle point, the predicted meeting
// point raised by the shell's drop. False if the prediction does not settle within 101 passes.
bool LeadReticle(const VECTOR3& relPos, const VECTOR3& relVel, const VECTOR3& weight, double speed, VECTOR3& reticle);
