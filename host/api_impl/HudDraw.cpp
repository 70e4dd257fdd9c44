// The drawing calls on the HUD's draw context, recorded into the live frame.
#include <cstring>

#include "HudDraw.h"
#include "hud/HudCanvas.h"

bool MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    HostDrawContext* context = host::LiveDrawContext(hdc);
    if (!context) return false;
    if (previous) *previous = context->pen;
    context->pen = {x, y};
    return true;
}

bool LineTo(HDC hdc, int x, int y) {
    HostDrawContext* context = host::LiveDrawContext(hdc);
    if (!context) return false;
    context->frame.lines.push_back({context->pen.x, context->pen.y, x, y});
    context->pen = {x, y};
    return true;
}

bool Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    HostDrawContext* context = host::LiveDrawContext(hdc);
    if (!context) return false;
    context->frame.ellipses.push_back({left, top, right, bottom});
    return true;
}

bool TextOutA(HDC hdc, int x, int y, const char* text, int length) {
    HostDrawContext* context = host::LiveDrawContext(hdc);
    if (!context || length < 0 || (!text && length > 0)) return false;
    // The length may overstate the string; reading stops at its end rather than past it.
    const std::size_t kept = length > 0 ? strnlen(text, static_cast<std::size_t>(length)) : 0;
    if (kept > 0) context->frame.texts.push_back({x, y, std::string(text, kept)});
    return true;
}
