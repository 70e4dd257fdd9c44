// Steps the host headless until the time is up or the user stops it.
#pragma once

#include <cstdint>
#include <cstdio>

#include "core/Host.h"

namespace corvex {

struct RunOptions {
    double seconds = 180;       // simulated time to run
    bool untilStopped = false;  // ignore seconds, run until interrupted
    bool progress = false;      // keep a progress line on the terminal
};

struct RunResult {
    std::uint64_t steps = 0;
    double simSeconds = 0;
    double wallSeconds = 0;
    bool interrupted = false;
};

// Ctrl-C (or SIGTERM) ends the run after the current step, so the end state can still be saved.
void InstallStopHandler();
bool StopRequested();

RunResult Run(host::Host& host, const RunOptions& options, std::FILE* terminal);

}  // namespace corvex
