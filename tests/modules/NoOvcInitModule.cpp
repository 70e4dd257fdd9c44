// A module that forgot one of its entry points.
#include "ModuleAPI.h"

DLLCLBK void InitModule(HINSTANCE) {}
DLLCLBK void ovcExit(VESSEL*) {}
