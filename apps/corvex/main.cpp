// The game's command-line program: runs a scenario headless or in a window, saves where it ended
// and says what happened.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include <CLI/CLI.hpp>
#include <fmt/core.h>

#include "Paths.h"
#include "Runner.h"
#include "Timeline.h"
#include "Vessel.h"
#include "core/Host.h"
#include "io/EventLog.h"
#include "io/KeyScript.h"
#include "physics/Frames.h"
#include "scenario/Scenario.h"
#include "window/Window.h"

namespace {

struct Options {
    std::string scenario = corvex::DefaultScenario().string();
    std::string savePath;
    bool noSave = false;
    std::string moduleDir = host::DefaultModuleDirectory().string();
    std::vector<std::string> keys;
    std::string keyScript;
    std::string eventLog;
    corvex::RunOptions run;
    bool window = false;
    bool timeGiven = false;
    std::string screenshot;
    int width = 1280, height = 720;
};

void PrintWarnings(const std::vector<std::string>& warnings) {
    for (const std::string& w : warnings) fmt::print(stderr, "{}\n", w);
}

void PrintVessels(const host::Host& host) {
    constexpr double deg = 180.0 / M_PI;
    for (const host::VesselRecord* rec : host.vessels.InOrder()) {
        const auto attitude = host::physics::AttitudeOf(rec->state.pos, rec->state.rot);
        fmt::print("  {:<16} {:<8} altitude {:8.1f} m   airspeed {:6.1f} m/s   heading {:5.1f}{}\n", rec->name,
                   rec->className, host::physics::Altitude(rec->state.pos), glm::length(rec->state.vel),
                   attitude.heading * deg, rec->handle == host.view.focus ? "   (focus)" : "");
    }
}

corvex::RunResult RunHeadless(host::Host& host, const Options& options) {
    corvex::RunOptions run = options.run;
    run.progress = isatty(STDOUT_FILENO);
    return corvex::Run(host, run, stdout);
}

corvex::RunResult RunInWindow(host::Host& host, const Options& options) {
    host::WindowOptions window;
    window.width = options.width;
    window.height = options.height;
    // A window plays until the player quits, unless a time was asked for.
    const double start = host.clock.Now();
    if (options.timeGiven || !options.screenshot.empty()) window.endTime = start + options.run.seconds;
    window.screenshot = options.screenshot;
    window.stopRequested = corvex::StopRequested;
    const host::WindowResult played = host::PlayInWindow(host, window);
    if (!options.screenshot.empty()) fmt::print("saved the frame at t = {:.2f} s to {}\n", host.clock.Now(), options.screenshot);
    return {played.steps, host.clock.Now() - start, played.wallSeconds, corvex::StopRequested()};
}

int RunScenario(const Options& options, corvex::Timeline& timeline) {
    host::Host& host = host::Host::Instance();
    host.modules.SetSearchPath({options.moduleDir});
    std::ofstream log;
    if (!options.eventLog.empty()) {
        log.open(options.eventLog);
        if (!log) throw host::Error("cannot write the event log " + options.eventLog);
        host::LogEvents(host, log);
    }
    // Listen from the start: the modules put their first text on screen while the scenario loads.
    timeline.Listen(host.events);
    const auto loaded = host::scenario::LoadScenario(options.scenario);
    PrintWarnings(loaded.warnings);
    fmt::print("{}: {} vessels at t = {} s\n", options.scenario, loaded.vessels, host.clock.Now());
    for (const std::string& key : options.keys)
        for (const host::KeyEvent& e : host::ParseKeyOption(key)) host.keyboard.Push(e);
    if (!options.keyScript.empty())
        for (const host::KeyEvent& e : host::ReadKeyScript(options.keyScript)) host.keyboard.Push(e);

    corvex::InstallStopHandler();
    const corvex::RunResult result = options.window ? RunInWindow(host, options) : RunHeadless(host, options);

    fmt::print("ran {:.2f} s of simulated time in {} steps, {:.1f}x real time{}\n", result.simSeconds, result.steps,
               result.wallSeconds > 0 ? result.simSeconds / result.wallSeconds : 0.0,
               result.interrupted ? " (stopped)" : "");
    timeline.Print(stdout);
    fmt::print("{} vessels at t = {:.2f} s:\n", host.vessels.Count(), host.clock.Now());
    PrintVessels(host);

    if (!options.noSave) {
        const std::filesystem::path path =
            options.savePath.empty() ? corvex::DefaultSavePath(options.scenario) : std::filesystem::path(options.savePath);
        std::error_code ec;
        if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
        std::vector<std::string> warnings;
        host::scenario::SaveScenario(path, warnings);
        PrintWarnings(warnings);
        fmt::print("saved the end state to {}\n", path.string());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Corvex air combat: runs a scenario headless or in a window, saves where it ended and says what happened"};
    Options options;
    app.add_option("scenario", options.scenario, "Scenario file to run")->capture_default_str();
    auto* time = app.add_option("-t,--time", options.run.seconds, "Simulated seconds to run")
                     ->check(CLI::Range(0.0, 1e7))
                     ->capture_default_str();
    app.add_flag("--until-stopped", options.run.untilStopped, "Run until interrupted (Ctrl-C), then save")
        ->excludes(time);
    auto* save = app.add_option("-o,--save", options.savePath, "Where to save the end state [out/<name>-end.scn]");
    app.add_flag("--no-save", options.noSave, "Do not save the end state")->excludes(save);
    app.add_option("--modules", options.moduleDir, "Directory of the vessel modules")
        ->check(CLI::ExistingDirectory)
        ->capture_default_str();
    app.add_option("--key", options.keys, "Press a key of the focus vessel: TIME:KEY[:press|release|tap], e.g. 12.5:Space");
    app.add_option("--keys", options.keyScript, "Key script file: one 'TIME KEY [ACTION]' a line")
        ->check(CLI::ExistingFile);
    app.add_option("--event-log", options.eventLog, "Write what happened as JSON lines to this file");
    auto* window = app.add_flag("--window", options.window, "Play in a window (needs a display)");
    bool headless = false;
    app.add_flag("--headless", headless, "Run without a window (the default)")->excludes(window);
    app.add_option("--screenshot", options.screenshot,
                   "Draw the window's frame at the end of --time to this PNG file and stop");
    app.add_option("--width", options.width, "Window width in pixels")->check(CLI::Range(16, 16384))->capture_default_str();
    app.add_option("--height", options.height, "Window height in pixels")->check(CLI::Range(16, 16384))->capture_default_str();
    CLI11_PARSE(app, argc, argv);
    options.timeGiven = time->count() > 0;
    options.window = options.window || !options.screenshot.empty();

    int status = 1;
    corvex::Timeline timeline;  // outlives every event the host may still send before its reset
    try {
        status = RunScenario(options, timeline);
    } catch (const host::Error& e) {
        fmt::print(stderr, "corvex: {}\n", e.what());
    }
    host::Host::Instance().Reset();
    return status;
}
