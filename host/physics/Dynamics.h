// Moves every vessel through one step under the forces it defined.
#pragma once

#include <vector>

namespace host {
struct VesselRecord;
}

namespace host::physics {

void Advance(const std::vector<VesselRecord*>& vessels, double dt);

}  // namespace host::physics
