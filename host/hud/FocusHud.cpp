#include "FocusHud.h"

#include <cmath>

#include <fmt/format.h>

#include "Vessel.h"
#include "core/Host.h"
#include "hud/HudCanvas.h"

namespace host {

namespace {

// Beyond any display, and small enough that pixel sums stay far from int overflow.
constexpr int kMaxHudPixels = 16384;

// What makes these HUD dimensions unusable, or empty if nothing does.
std::string Problem(const HUDPAINTSPEC& spec) {
    if (spec.W < 1 || spec.W > kMaxHudPixels || spec.H < 1 || spec.H > kMaxHudPixels)
        return fmt::format("a HUD of {} x {} pixels: width and height must be 1 to {}", spec.W, spec.H, kMaxHudPixels);
    if (spec.CX < 0 || spec.CX > spec.W || spec.CY < 0 || spec.CY > spec.H)
        return fmt::format("a HUD centre at ({}, {}) outside the {} x {} HUD", spec.CX, spec.CY, spec.W, spec.H);
    if (!(std::isfinite(spec.Scale) && spec.Scale > 0))
        return fmt::format("a HUD scale of {} pixels per degree: it must be a positive number", spec.Scale);
    if (spec.Markersize < 0) return fmt::format("a HUD marker size of {} pixels: it must not be negative", spec.Markersize);
    return {};
}

}  // namespace

HudFrame DrawFocusHud(Host& host, const HUDPAINTSPEC& spec, int mode) {
    HudCanvas canvas(spec);
    if (const std::string problem = Problem(spec); !problem.empty()) {
        host.ReportError("cannot draw " + problem);
        return canvas.Frame();
    }
    VesselRecord* focus = host.vessels.Find(host.view.focus);
    if (!focus || focus->deleted || !focus->instance) return canvas.Frame();
    host.inCallbackOf = focus->handle;
    focus->instance->clbkDrawHUD(mode, &spec, canvas.Hdc());
    host.inCallbackOf = nullptr;
    return canvas.Frame();
}

}  // namespace host
