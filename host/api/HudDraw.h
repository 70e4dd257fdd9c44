// Drawing calls on the head-up display's draw context. Coordinates are pixels from the HUD's
// top-left corner, x to the right and y downwards; pen, brush and font are the host's.
#pragma once

#include "HostTypes.h"

struct POINT {
    int x, y;
};

bool MoveToEx(HDC hdc, int x, int y, POINT* previous);
bool LineTo(HDC hdc, int x, int y);
// Filled with the context's brush.
bool Ellipse(HDC hdc, int left, int top, int right, int bottom);
bool TextOutA(HDC hdc, int x, int y, const char* text, int length);
