// What one head-up display frame drew, as plain data a window can render and tests can read.
//
// Pixels count from the HUD's top-left corner, x to the right and y downwards. The HUD draws in
// one colour with a hollow brush and transparent text, so the picture is the union of its marks
// and does not depend on the order they were drawn in.
#pragma once

#include <string>
#include <vector>

#include "HostTypes.h"

namespace host {

struct HudLine {
    int x0, y0, x1, y1;
    bool operator==(const HudLine&) const = default;
};

// The ellipse inscribed in a rectangle, as the drawing call gave its corners.
struct HudEllipse {
    int left, top, right, bottom;
    bool operator==(const HudEllipse&) const = default;
};

// Top-left of the text's box.
struct HudText {
    int x, y;
    std::string text;
    bool operator==(const HudText&) const = default;
};

struct HudFrame {
    HUDPAINTSPEC spec{};
    std::vector<HudLine> lines;
    std::vector<HudEllipse> ellipses;
    std::vector<HudText> texts;
};

}  // namespace host
