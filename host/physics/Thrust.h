// What the thrusters push with in one step, and the propellant they burn for it.
#pragma once

#include "Load.h"

namespace host {
struct Definition;
}

namespace host::physics {

// Burns one step's propellant at ambient pressure `pressure` and returns the thrust of the step.
// Thrusters share their tank's propellant: when it runs dry within the step, each gets the same
// share of its thrust. A thruster without a tank, or with an empty one, gives nothing.
Load BurnThrusters(Definition& def, double pressure, double dt);

}  // namespace host::physics
