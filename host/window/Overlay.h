// What the window draws over the world: the focus vessel's HUD and the annotations.
#pragma once

namespace host {

class Host;
struct HudFrame;

void SetUpScreenPixels(int width, int height);  // x right, y down, from the top-left corner
void DrawHud(const HudFrame& frame);
// Each annotation's text in its colour at the top-left of its rectangle, at a height that follows
// its size and the window's height, shrunk to fit the rectangle's width.
void DrawAnnotations(const Host& host, int width, int height);

}  // namespace host
