// The vessel block being read, which ParseScenarioLineEx fills while the vessel's module reads it.
#pragma once

#include <string>
#include <vector>

#include "ScenarioFile.h"
#include "StandardLines.h"

namespace host::scenario {

struct LoadContext {
    const Document* doc = nullptr;
    HostScenarioFile file;
    VESSELSTATUS status{};  // the record handed to clbkLoadStateEx
    OBJHANDLE vessel = nullptr;
    VesselShape shape;
    Placement placement;
    std::string error;  // the first bad line, as "file:line: problem"
    std::vector<std::string>* warnings = nullptr;
};

// The load in progress, or null.
LoadContext*& ActiveLoad();

// Puts the setup into the vessel's record: state, tank masses, thruster levels.
void ApplySetup(VesselRecord& rec, const Setup& setup);

}  // namespace host::scenario
