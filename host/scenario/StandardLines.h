// The host's own lines of a vessel's scenario block.
#pragma once

#include "HostTypes.h"

namespace host::scenario {

// Writes the lines that let the host recreate the vessel exactly: position, velocity,
// orientation, rotation, propellant and thruster levels.
void WriteStandardLines(OBJHANDLE vessel, FILEHANDLE scn);

}  // namespace host::scenario
