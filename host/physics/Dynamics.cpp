#include "Dynamics.h"

#include "core/VesselRecord.h"

namespace host::physics {

void Advance(const std::vector<VesselRecord*>& vessels, double dt) {
    for (VesselRecord* rec : vessels) rec->state.pos += rec->state.vel * dt;
}

}  // namespace host::physics
