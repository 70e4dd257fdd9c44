// Which fighters count as enemies, and stepping through them in the host's vessel order.
#include <cstring>

#include "Corvex.h"

namespace {

bool IsFighterClass(const VESSEL* vessel) {
    const char* className = vessel ? vessel->GetClassNameA() : nullptr;
    return className && std::strcmp(className, "Corvex") == 0;
}

}  // namespace

Corvex* FighterOf(OBJHANDLE vessel) {
    VESSEL* v = vessel ? oapiGetVesselInterface(vessel) : nullptr;
    // Every vessel of the class is an instance of this module.
    return IsFighterClass(v) ? static_cast<Corvex*>(v) : nullptr;
}

bool Corvex::IsHostile(OBJHANDLE vessel) const {
    // A target read from a scenario may name any vessel; only fighters can be read as one.
    const Corvex* other = FighterOf(vessel);
    if (!other || other->team == team) return false;
    return other->destroyed != 1;
}

void Corvex::SelectNextFighter() {
    const OBJHANDLE own = GetHandle();
    OBJHANDLE first = nullptr;
    bool seen = false, picked = false;
    const DWORD count = oapiGetVesselCount();
    for (DWORD i = 0; i < count; ++i) {
        const OBJHANDLE h = oapiGetVesselByIndex(static_cast<int>(i));
        if (h == own) continue;
        // An index past a list that changed gives no interface: skip it.
        if (!IsFighterClass(oapiGetVesselInterface(h))) continue;
        if (!first) first = h;
        if (seen && !picked) {
            target = h;
            picked = true;
        } else if (target == h) {
            seen = true;
        }
    }
    if (!(seen && picked)) target = first;
}

void Corvex::SelectNextHostile() {
    SelectNextFighter();
    if (IsHostile(target)) return;
    // Each call moves one fighter on in a fixed cycle, so this ends back at start at the latest.
    const OBJHANDLE start = target;
    do {
        SelectNextFighter();
    } while (!IsHostile(target) && target != start);
    if (!IsHostile(target)) target = nullptr;
}
