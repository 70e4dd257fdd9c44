// Drawing calls on the head-up display's draw context. Coordinates are pixels from the HUD's
// top-left corner, x to the right and y downwards; pen, brush and font are the host's.
//
// The context is only good while the host draws the frame it was handed for: a call on any other
// (null, or one kept from an earlier frame) draws nothing and returns false.
#pragma once

#include "HostTypes.h"

struct POINT {
    int x, y;
};

bool MoveToEx(HDC hdc, int x, int y, POINT* previous);
bool LineTo(HDC hdc, int x, int y);
// Filled with the context's brush.
bool Ellipse(HDC hdc, int left, int top, int right, int bottom);
// At most length characters, ending early at a terminating zero; false for a negative length or a
// null text of some length.
bool TextOutA(HDC hdc, int x, int y, const char* text, int length);
