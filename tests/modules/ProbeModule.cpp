#include "Probe.h"

DLLCLBK void InitModule(HINSTANCE) {}
DLLCLBK VESSEL* ovcInit(OBJHANDLE h, int fm) { return new Probe(h, fm); }
DLLCLBK void ovcExit(VESSEL* v) { delete static_cast<Probe*>(v); }
