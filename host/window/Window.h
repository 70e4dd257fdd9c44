// Plays the host in a window: the world, the HUD and the annotations drawn every frame, the
// simulation stepped in real time, keys to the focus vessel and the player's flight controls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace host {

class Host;

struct WindowOptions {
    int width = 1280, height = 720;
    double endTime = -1;  // simulation time at which to stop; negative: when the player quits
    // Not empty: no real time and no input; run to endTime, save that frame there and stop.
    std::string screenshot;
    std::function<bool()> stopRequested;  // polled once a frame, e.g. for Ctrl-C
};

struct WindowResult {
    std::uint64_t steps = 0;
    double wallSeconds = 0;
};

// Throws Error if no window can be opened (no display, no OpenGL) or the screenshot cannot be
// written.
WindowResult PlayInWindow(Host& host, const WindowOptions& options);

}  // namespace host
