// The 3D world as the camera sees it: sky, a tiled ground and every vessel's meshes.
#pragma once

#include "HostTypes.h"

namespace host {

class Host;
struct Eye;

constexpr double kFieldOfViewDeg = 50;  // vertical

// Sets the projection and the camera's rotation; everything after draws in metres relative to the
// eye, so the planet-centred coordinates never lose their precision in floats.
void SetUpCamera(const Eye& eye, int width, int height);
void DrawGround(const Eye& eye);
// All but the one the eye sits in (null: none), whose hull would fill the view.
void DrawVessels(const Host& host, const Eye& eye, OBJHANDLE inside);

}  // namespace host
