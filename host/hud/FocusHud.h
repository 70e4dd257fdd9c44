// The HUD of the vessel that has the input focus, one frame at a time.
#pragma once

#include "HudFrame.h"

namespace host {

class Host;

// Has the focus vessel draw one frame through its clbkDrawHUD, handing the mode on, and returns
// what it drew. No focus vessel gives an empty frame; so do HUD dimensions nothing can be drawn in
// (a size that is not 1 to 16384 pixels, a centre off the HUD, a scale that is not a positive
// number, a negative marker size), which is reported.
HudFrame DrawFocusHud(Host& host, const HUDPAINTSPEC& spec, int mode);

}  // namespace host
