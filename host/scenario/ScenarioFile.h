// What a FILEHANDLE points at while the host reads or writes a scenario.
#pragma once

#include <string>
#include <vector>

#include "Document.h"
#include "HostTypes.h"

struct HostScenarioFile {
    // Reading: the lines of one vessel's block.
    const host::scenario::VesselBlock* block = nullptr;
    std::size_t next = 0;
    std::string current;  // the line handed out last, which the module may change in place
    int currentLine = 0;
    bool stopped = false;  // after a bad line the rest of the block reads as ended

    // Writing: a vessel's block so far, and what could not be written.
    std::string* out = nullptr;
    std::vector<std::string>* warnings = nullptr;
    std::string vesselName;
};
