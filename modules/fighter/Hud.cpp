// The fighter's HUD marks for its target: the lead reticle, and a box or an edge arrow with the name.
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "Constants.h"
#include "Corvex.h"
#include "Gunsight.h"
#include "HudProjection.h"
#include "VesselGeometry.h"

namespace {

// Not 180/PI: the sight was calibrated with this factor, and the marks land where it puts them.
constexpr double kFocalFactor = 57.29;

void DrawReticle(HDC hdc, int x, int y) {
    MoveToEx(hdc, x - 20, y - 20, nullptr);
    LineTo(hdc, x, y);
    LineTo(hdc, x + 20, y - 20);
    MoveToEx(hdc, x - 30, y, nullptr);
    LineTo(hdc, x + 30, y);
    Ellipse(hdc, x - 15, y - 15, x + 15, y + 15);
}

void DrawName(HDC hdc, double x, double y, const char* name) {
    TextOutA(hdc, static_cast<int>(x), static_cast<int>(y), name, static_cast<int>(std::strlen(name)));
}

// Half the box's side: the target's apparent size, kept readable when far and on screen when near.
int BoxHalfSize(double size, double f, double z, double h) {
    const double extent = std::ceil(size * f / z);
    const double least = 0.025 * h, most = 0.5 * h;
    // A size that is no number gets the smallest box.
    if (!(extent >= least)) return static_cast<int>(least);
    if (extent > most) return static_cast<int>(most);
    return static_cast<int>(extent);
}

void DrawBox(HDC hdc, int x, int y, int e, const char* name) {
    MoveToEx(hdc, x - e, y - e, nullptr);
    LineTo(hdc, x + e, y - e);
    LineTo(hdc, x + e, y + e);
    LineTo(hdc, x - e, y + e);
    LineTo(hdc, x - e, y - e);
    DrawName(hdc, x - e - 2, y + e + 2, name);
}

// An arrowhead whose tip is the edge point (x, y), pointing away from the centre.
void DrawEdgeArrow(HDC hdc, int x, int y, const HUDPAINTSPEC& spec, const char* name) {
    const double u = spec.W / 30;
    const double a = std::atan2(spec.H / 2.0 - y, x - spec.W / 2.0);
    const double b1 = a + 180 * RAD - 35 * RAD;
    const double b2 = b1 + 70 * RAD;
    const double b3 = b2 - 35 * RAD;
    for (const double b : {b1, b2}) {
        MoveToEx(hdc, x, y, nullptr);
        LineTo(hdc, static_cast<int>(std::floor(x + u * std::cos(b))), static_cast<int>(std::floor(y - u * std::sin(b))));
    }
    const double l = 1.5 * u;
    DrawName(hdc, std::floor(x + l * std::cos(b3) - 0.5 * l), std::floor(y - l * std::sin(b3)), name);
}

}  // namespace

void Corvex::clbkDrawHUD(int mode, const HUDPAINTSPEC* hps, HDC hDC) {
    VESSEL2::clbkDrawHUD(mode, hps, hDC);
    if (!hps || !target || !oapiIsVessel(target)) return;
    const double w = hps->W, h = hps->H;
    const double f = hps->Scale * kFocalFactor;

    VECTOR3 relPos{};
    oapiGetRelativePos(target, GetHandle(), &relPos);
    relPos = GlobalToLocal(*this, relPos);
    int x, y;
    if (VectorLength(relPos) <= gunRange) {
        VECTOR3 relVel{}, weight{};
        oapiGetRelativeVel(target, GetHandle(), &relVel);
        relVel = GlobalToLocal(*this, relVel);
        GetWeightVector(weight);
        VECTOR3 reticle;
        if (LeadReticle(relPos, relVel, weight, muzzleSpeed, reticle) && ProjectToHud(reticle, f, w, h, x, y))
            DrawReticle(hDC, x, y);
    }

    const VESSEL* other = oapiGetVesselInterface(target);
    const char* name = other && other->GetName() ? other->GetName() : "";
    if (ProjectToHud(relPos, f, w, h, x, y))
        DrawBox(hDC, x, y, BoxHalfSize(oapiGetSize(target), f, relPos.z, h), name);
    else
        DrawEdgeArrow(hDC, x, y, *hps, name);
}
