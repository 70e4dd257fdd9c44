// The player's stick and throttle, flown by the window on the focus vessel.
#pragma once

#include <array>

#include "KeyMap.h"

namespace host {

class Host;

struct FlightControls {
    std::array<bool, static_cast<int>(WindowControl::Quit) + 1> held{};
    // Axes the window commanded last time; released to 0 once, so a module's own commands are
    // left alone while the player keeps hands off.
    std::array<bool, 3> commanding{};

    void Press(WindowControl control, bool down) { held[static_cast<int>(control)] = down; }
    bool Held(WindowControl control) const { return held[static_cast<int>(control)]; }
};

// Full-scale commands on pitch, yaw and bank while their keys are held, and the main engine's
// throttle moved at half its range a second. For one step of dt seconds.
void ApplyFlightControls(Host& host, FlightControls& controls, double dt);

}  // namespace host
