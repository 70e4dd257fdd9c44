#include "StandardHud.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "HostAPI.h"
#include "HudDraw.h"
#include "Vessel.h"

namespace host {

namespace {

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

void Text(HDC hdc, int x, int y, const std::string& text) {
    TextOutA(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace

void DrawStandardHud(const VESSEL& vessel, const HUDPAINTSPEC& spec, HDC hdc) {
    // A marker too small to see is no marker.
    const int arm = std::max(spec.Markersize, 4) / 2;
    MoveToEx(hdc, spec.CX - arm, spec.CY, nullptr);
    LineTo(hdc, spec.CX + arm, spec.CY);
    MoveToEx(hdc, spec.CX, spec.CY - arm, nullptr);
    LineTo(hdc, spec.CX, spec.CY + arm);

    double heading = 0;
    oapiGetHeading(vessel.GetHandle(), &heading);
    // Rounded before wrapping, so that 359.6 degrees reads 000 and not 360.
    const double headingDeg = std::fmod(std::round(heading * kDegrees), 360.0);
    const int x = spec.W / 64, top = spec.H / 64, row = std::max(spec.H / 32, 12);
    Text(hdc, x, top, fmt::format("HDG {:03.0f}", headingDeg));
    double pitchDeg = std::round(vessel.GetPitch() * kDegrees);
    if (pitchDeg == 0) pitchDeg = 0;  // level reads +0, never -0
    Text(hdc, x, top + row, fmt::format("PITCH {:+.0f}", pitchDeg));
    Text(hdc, x, top + 2 * row, fmt::format("ALT {:.0f} m", vessel.GetAltitude()));
}

}  // namespace host
