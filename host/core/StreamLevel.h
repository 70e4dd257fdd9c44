// How strongly a particle stream emits at this moment, for whoever draws it.
#pragma once

#include "VesselRecord.h"

namespace host {

// 0 to 1. A particle stream reads its level variable afresh; an exhaust stream follows its
// thruster, and goes out with its thruster's fuel. A removed stream, or a stream of a deleted
// vessel, is 0 and never reads its level variable again: its owner may have freed it.
double StreamLevel(const VesselRecord& rec, const ParticleStream& stream);

}  // namespace host
