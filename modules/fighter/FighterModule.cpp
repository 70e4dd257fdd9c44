// The fighter module's entry points.
#include "Corvex.h"

DLLCLBK void InitModule(HINSTANCE) {}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hvessel, int flightmodel) { return new Corvex(hvessel, flightmodel); }

DLLCLBK void ovcExit(VESSEL* vessel) {
    if (vessel) delete static_cast<Corvex*>(vessel);
}
