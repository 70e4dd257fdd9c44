// Scenario reading and writing as modules see it. Placeholder until the scenario format lands.
#include "HostAPI.h"
#include "StandardLines.h"
#include "Vessel.h"

namespace host::scenario {

void WriteStandardLines(OBJHANDLE, FILEHANDLE) {}

}  // namespace host::scenario

bool VESSEL::ParseScenarioLineEx(char*, void*) const { return false; }
bool oapiReadScenario_nextline(FILEHANDLE, char*&) { return false; }
void oapiWriteScenario_string(FILEHANDLE, const char*, const char*) {}
void oapiWriteScenario_int(FILEHANDLE, const char*, int) {}
void oapiWriteScenario_float(FILEHANDLE, const char*, double) {}
