// The one simulator host of the process: its vessels, modules, clock and view.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "Events.h"
#include "Keyboard.h"
#include "ModuleLoader.h"
#include "Random.h"
#include "Registry.h"
#include "assets/MeshLibrary.h"
#include "ui/Screen.h"

namespace host {

struct Clock {
    double start = 0;
    // 128 Hz: every step is an exact binary fraction of a second, so game timers that are
    // multiples of 1/128 s (0.75 s, 1.125 s, 3 s) fall on exact steps, and a shell at 1100 m/s
    // relative speed moves under 9 m per step, less than the 16 m a proximity fuse covers.
    double step = 1.0 / 128.0;
    std::uint64_t steps = 0;
    double Now() const { return start + static_cast<double>(steps) * step; }
};

struct View {
    OBJHANDLE focus = nullptr;
    OBJHANDLE cameraTarget = nullptr;
    int cameraMode = 0;  // 0 cockpit, 1 external
    double cameraDistance = 1;
};

class Host {
public:
    static Host& Instance();

    ModuleLoader modules;
    Registry vessels;
    Clock clock;
    View view;
    Screen screen;
    Random rng{0};
    int flightModel = 1;  // handed to every new vessel: 0 easy, 1 realistic
    EventBus events;
    MeshLibrary meshes;
    Keyboard keyboard;
    // The vessel whose callback is running, so events can say who caused them.
    OBJHANDLE inCallbackOf = nullptr;

    // Makes a vessel of a class: loads the module if needed, then ovcInit and clbkSetClassCaps.
    // It is not yet placed. Throws Error if the class has no usable module.
    VesselRecord& Instantiate(const std::string& name, const std::string& className);
    // Puts a vessel where a status record says, with its tank and engine levels.
    void Place(VesselRecord& rec, const VESSELSTATUS& status);
    // Takes a vessel out of the world; its instance is released at the end of the step.
    void Delete(VesselRecord& rec);

    // One fixed step: the keys due, every vessel's pre-step, the flight physics, every post-step,
    // then the release of vessels deleted on the way.
    void Step();
    // Deletes every vessel and unloads every module, forgets meshes read and keys pending: a fresh
    // host, as after start-up, with the same module and mesh directories.
    void Reset();

    // Where the host says what went wrong when it has nobody to throw to (a module's call).
    std::function<void(const std::string&)> reportError;
    void ReportError(const std::string& message) const;

private:
    void ReleaseDeleted();
};

}  // namespace host
