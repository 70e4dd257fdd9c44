#include "HudCanvas.h"

namespace {

HostDrawContext* live = nullptr;

}  // namespace

namespace host {

HudCanvas::HudCanvas(const HUDPAINTSPEC& spec) : outer(live) {
    context.frame.spec = spec;
    live = &context;
}

HudCanvas::~HudCanvas() { live = outer; }

HostDrawContext* LiveDrawContext(HDC hdc) { return hdc && hdc == live ? live : nullptr; }

}  // namespace host
