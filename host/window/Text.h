// Text in screen pixels with the stb easy font: small quads, no font files to find.
#pragma once

#include <string>

namespace host {

// Pixel size of one unscaled line: a capital's height and the advance from line to line.
constexpr float kTextCapHeight = 7, kTextLineHeight = 12;

float TextWidth(const std::string& text);  // unscaled, of the widest line
// Top-left at (x, y), y downwards; scale 1 is the font's own pixel size.
void DrawText(float x, float y, float scale, const std::string& text);

}  // namespace host
