// The event log: what the host observed, one JSON object a line, for tests, replays and players
// who want to know what happened. Every line has the simulation time "t" and the "event":
//
//   created, deleted  "vessel", and "during": the vessel in whose callback it happened, or null
//   annotation        "text", "during"
//   focus             "vessel": the one with the input focus now, or null for none; "during"
//   camera            "target" (or null), "mode" ("cockpit" or "external"), "distance"; "during"
//   key               "key" (its name, or null), "code", "down", and "vessel": the focus vessel
//                     that received it, or null when none had the focus
//
// A vessel is {"id", "name", "class"}. Names repeat (every respawn is "PLAYER"), so the id, a
// number given to each vessel in the order the log first meets it, tells them apart.
//
// To keep one, open the file and subscribe before the run; it logs until Host::Reset:
//     std::ofstream log(path);
//     host::LogEvents(host, log);
#pragma once

#include <ostream>
#include <string>

#include "core/Host.h"

namespace host {

void LogEvents(Host& host, std::ostream& out);

}  // namespace host
