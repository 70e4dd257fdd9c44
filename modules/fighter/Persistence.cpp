// The fighter's own scenario lines: TRAIL, AIMODE, TEAM and TARGET.
#include <strings.h>

#include <climits>
#include <cstdio>
#include <cstring>

#include "Corvex.h"

namespace {

// The members are 32-bit: a value that does not fit is a failed read, not a wrapped one, so that
// TEAM 4294967296 cannot quietly put a fighter on the player's team.
void ReadInt(const char* line, const char* format, int& member) {
    long value = 0;
    if (std::sscanf(line, format, &value) == 1 && value >= INT_MIN && value <= INT_MAX) member = static_cast<int>(value);
}

}  // namespace

void Corvex::clbkLoadStateEx(FILEHANDLE scn, void* status) {
    char* line;
    while (oapiReadScenario_nextline(scn, line)) {
        if (strncasecmp(line, "TRAIL", 5) == 0) {
            std::sscanf(line, "TRAIL %lf", &trailLevel);
        } else if (strncasecmp(line, "AIMODE", 6) == 0) {
            ReadInt(line, "AIMODE %li", aiMode);
        } else if (strncasecmp(line, "TEAM", 4) == 0) {
            ReadInt(line, "TEAM %li", team);
        } else if (strncasecmp(line, "TARGET", 6) == 0) {
            // The seventh character separates, whatever it is; the name runs to the line's end.
            const char* name = std::strlen(line) > 7 ? line + 7 : "";
            target = *name ? oapiGetVesselByName(name) : nullptr;
        } else {
            ParseScenarioLineEx(line, status);
        }
    }
}

void Corvex::clbkSaveState(FILEHANDLE scn) {
    VESSEL2::clbkSaveState(scn);
    oapiWriteScenario_float(scn, "TRAIL", trailLevel);
    oapiWriteScenario_int(scn, "AIMODE", aiMode);
    oapiWriteScenario_int(scn, "TEAM", team);
    if (target && oapiIsVessel(target))
        oapiWriteScenario_string(scn, "TARGET", oapiGetVesselInterface(target)->GetName());
}
