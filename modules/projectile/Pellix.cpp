#include "Pellix.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kFuse = 3;               // s of flight before it detonates by itself
constexpr double kAfterglow = 0.6;        // s from detonation to removal
constexpr double kHitRange = 8;           // m; a fighter closer than this is hit
constexpr double kGroundAltitude = 0.5;   // m; below this it detonates

PARTICLESTREAMSPEC ExplosionSpec(double size, double rate, double v0, double spread, double lifetime, double growth,
                                 double slowdown, PARTICLESTREAMSPEC::LTYPE lighting) {
    return {0,      size,     rate, v0, spread, lifetime, growth, slowdown, lighting, PARTICLESTREAMSPEC::LVL_FLAT,
            1,      1,        PARTICLESTREAMSPEC::ATM_FLAT, 1, 1, nullptr};
}

PARTICLESTREAMSPEC explosionCore = ExplosionSpec(8, 6, 0, 0, 0.24, 4, 5, PARTICLESTREAMSPEC::EMISSIVE);
PARTICLESTREAMSPEC explosionSide = ExplosionSpec(1.5, 8, 10, 8, 0.6, 3, 1, PARTICLESTREAMSPEC::DIFFUSE);

// The game ship behind a vessel if it is a fighter; the projectile knows fighters by class only.
GAMESHIP* FighterAt(OBJHANDLE vessel) {
    VESSEL* v = oapiGetVesselInterface(vessel);
    const char* className = v ? v->GetClassNameA() : nullptr;
    if (!className || std::strcmp(className, "Corvex") != 0) return nullptr;
    return static_cast<GAMESHIP*>(static_cast<VESSEL2*>(v));
}

}  // namespace

void Pellix::clbkSetClassCaps(FILEHANDLE) {
    AddMesh("Corvex/Bullet");
    SetSize(2);
    SetEmptyMass(20);
    SetPMI({3, 3, 1});
    SetCrossSections({0.3, 0.3, 0.6});
    SetCW(0.07, 0.07, 0.07, 0.07);
    SetRotDrag({0.5, 0.5, 0.5});
    SetPitchMomentScale(0.001);
    SetBankMomentScale(0.001);
    SetSurfaceFrictionCoeff(100, 100);
    SetCOG_elev(0);
    SetTouchdownPoints({0, 0, 0}, {0.1, 0, 0.3}, {-0.1, 0, 0.3});
    // Counted from now, whether fired or re-created from a scenario.
    fuseTime = oapiGetSimTime() + kFuse;
    removalTime = oapiGetSimTime() + kFuse + kAfterglow;
    SetEnableFocus(false);
}

void Pellix::clbkPreStep(double, double, double) {
    if (destroyed == 0) {
        const OBJHANDLE own = GetHandle();
        // Fighters that hits create now come after the count and are not looked at.
        const DWORD count = oapiGetVesselCount();
        for (DWORD i = 0; i < count; ++i) {
            const OBJHANDLE h = oapiGetVesselByIndex(static_cast<int>(i));
            GAMESHIP* fighter = FighterAt(h);
            if (!fighter || fighter->destroyed != 0) continue;
            VECTOR3 rel;
            oapiGetRelativePos(own, h, &rel);
            if (std::sqrt(rel.x * rel.x + rel.y * rel.y + rel.z * rel.z) < kHitRange) {
                Destroy();
                fighter->Destroy();
            }
        }
        if (oapiGetSimTime() >= fuseTime)
            Destroy();
        else if (GetAltitude() < kGroundAltitude)
            Destroy();
    }
    if (oapiGetSimTime() >= removalTime) oapiDeleteVessel(GetHandle(), nullptr);
}

void Pellix::Destroy() {
    removalTime = oapiGetSimTime() + kAfterglow;
    ClearMeshes(false);
    destroyed = 1;
    // Five streams burning at the level of `destroyed`; they go with the vessel.
    static constexpr VECTOR3 kDirections[5] = {{0, 0, 1}, {1, 1, 0}, {1, -1, 0}, {-1, 1, 0}, {-1, -1, 0}};
    for (int i = 0; i < 5; ++i)
        AddParticleStream(i == 0 ? &explosionCore : &explosionSide, {0, 0, 0}, kDirections[i], &destroyed);
}
