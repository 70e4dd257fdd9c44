// One HUD frame being drawn, and the draw context (HDC) that modules draw on.
#pragma once

#include "HudDraw.h"
#include "HudFrame.h"

// The object behind an HDC: what has been drawn and the pen position of MoveToEx and LineTo.
struct HostDrawContext {
    host::HudFrame frame;
    POINT pen{0, 0};
};

namespace host {

// While a canvas lives its context is the one the drawing calls accept; any other HDC, such as one
// a module kept from an earlier frame, draws nothing.
class HudCanvas {
public:
    explicit HudCanvas(const HUDPAINTSPEC& spec);
    ~HudCanvas();
    HudCanvas(const HudCanvas&) = delete;
    HudCanvas& operator=(const HudCanvas&) = delete;

    HDC Hdc() { return &context; }
    const HudFrame& Frame() const { return context.frame; }

private:
    HostDrawContext context;
    HostDrawContext* outer;  // the context live before this canvas, back in force after it
};

// The context behind hdc if it belongs to the live canvas, else null.
HostDrawContext* LiveDrawContext(HDC hdc);

}  // namespace host
