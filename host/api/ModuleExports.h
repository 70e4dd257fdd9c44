// The four entry points every vessel module exports under plain C names.
#pragma once

#include "HostTypes.h"

class VESSEL;

#define DLLCLBK extern "C" __attribute__((visibility("default")))

DLLCLBK void InitModule(HINSTANCE hModule);
DLLCLBK VESSEL* ovcInit(OBJHANDLE hvessel, int flightmodel);
DLLCLBK void ovcExit(VESSEL* vessel);
DLLCLBK int GetModuleVersion();
