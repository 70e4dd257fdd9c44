// The projectile module's entry points.
#include "Pellix.h"

DLLCLBK void InitModule(HINSTANCE) {}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hvessel, int flightmodel) { return new Pellix(hvessel, flightmodel); }

DLLCLBK void ovcExit(VESSEL* vessel) {
    if (vessel) delete static_cast<Pellix*>(vessel);
}
