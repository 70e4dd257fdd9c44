// The window's keys: which go to the focus vessel as host key codes, and which the window keeps
// for its own flight controls.
#pragma once

#include <SDL2/SDL_scancode.h>

#include "HostTypes.h"

namespace host {

// The host key code of a key on a PC keyboard's main block; 0 for a key without one.
DWORD HostKeyOf(SDL_Scancode key);

enum class WindowControl {
    None,
    PitchUp, PitchDown, BankLeft, BankRight, YawLeft, YawRight,
    ThrottleUp, ThrottleDown,
    Pause, Quit,
};

// A key the window handles itself never reaches the vessel.
WindowControl WindowControlOf(SDL_Scancode key);

}  // namespace host
