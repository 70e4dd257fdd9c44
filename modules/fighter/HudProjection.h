// Where a point in the fighter's frame lands on its head-up display.
#pragma once

#include "HostTypes.h"

// Projects `point` (fighter frame: +x right, +y up, +z along the nose) with focal length f in
// pixels per radian onto a w x h HUD centred at (w/2, h/2), writing the pixel (X right, Y down
// from the top-left corner). True if the point is ahead and on the HUD; otherwise (X, Y) is the
// point on the HUD's edge, at 0.49 of its width or height from the centre, in the point's direction.
bool ProjectToHud(const VECTOR3& point, double f, double w, double h, int& X, int& Y);
