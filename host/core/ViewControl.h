// Changes of input focus and camera, each told to the vessels concerned and to the event bus.
#pragma once

#include "HostTypes.h"

namespace host {

class Host;

// Gives the input focus to a vessel, or to none (null). The vessel that loses it and the one that
// gains it hear of it through clbkFocusChanged. The caller checks that the vessel may have it.
void SetFocus(Host& host, OBJHANDLE vessel);
// Points the camera at an object (null: none), in mode 0 cockpit or 1 external.
void AttachCamera(Host& host, OBJHANDLE target, int mode);
void ScaleCameraDistance(Host& host, double factor);

}  // namespace host
