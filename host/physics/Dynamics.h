// Moves every vessel through one step under the forces it defined.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace host {
struct VesselRecord;
}

namespace host::physics {

using Report = std::function<void(const std::string&)>;

// Gravity, thrust, air and ground for each vessel in turn, each on its own: the order of the
// list does not change the outcome. A vessel whose motion stops being finite is stopped where it
// was, and `report` says so once.
void Advance(const std::vector<VesselRecord*>& vessels, double dt, const Report& report = {});

// One vessel's step.
void AdvanceVessel(VesselRecord& rec, double dt, const Report& report = {});

}  // namespace host::physics
