// The host's own HUD, drawn for every vessel whose module does not replace it: a boresight cross
// at the HUD centre and, in the top-left corner, the heading, pitch and altitude readouts.
#pragma once

#include "HostTypes.h"

class VESSEL;

namespace host {

void DrawStandardHud(const VESSEL& vessel, const HUDPAINTSPEC& spec, HDC hdc);

}  // namespace host
