#include "Runner.h"

#include <chrono>
#include <cmath>
#include <csignal>

#include <fmt/core.h>

namespace corvex {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RequestStop(int) { stopRequested = 1; }

void ShowProgress(std::FILE* terminal, const host::Host& host, double simSeconds, double wallSeconds) {
    const double factor = wallSeconds > 0 ? simSeconds / wallSeconds : 0;
    fmt::print(terminal, "\r  t = {:10.2f} s   {:8.1f}x real time   {:4} vessels ", host.clock.Now(), factor,
               host.vessels.Count());
    std::fflush(terminal);
}

}  // namespace

void InstallStopHandler() {
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
}

bool StopRequested() { return stopRequested != 0; }

RunResult Run(host::Host& host, const RunOptions& options, std::FILE* terminal) {
    using Clock = std::chrono::steady_clock;
    const auto began = Clock::now();
    const std::uint64_t wanted =
        options.untilStopped ? UINT64_MAX : static_cast<std::uint64_t>(std::ceil(options.seconds / host.clock.step));
    auto lastShown = began;
    RunResult result;
    while (result.steps < wanted && !stopRequested) {
        host.Step();
        ++result.steps;
        if (options.progress && Clock::now() - lastShown > std::chrono::milliseconds(200)) {
            lastShown = Clock::now();
            ShowProgress(terminal, host, static_cast<double>(result.steps) * host.clock.step,
                         std::chrono::duration<double>(lastShown - began).count());
        }
    }
    result.simSeconds = static_cast<double>(result.steps) * host.clock.step;
    result.wallSeconds = std::chrono::duration<double>(Clock::now() - began).count();
    result.interrupted = stopRequested != 0;
    if (options.progress) {
        ShowProgress(terminal, host, result.simSeconds, result.wallSeconds);
        fmt::print(terminal, "\n");
    }
    return result;
}

}  // namespace corvex
