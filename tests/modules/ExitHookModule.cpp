// Records which exit entry point the frame called, in the environment, where it outlives the
// library.
#include <cstdlib>

#include "ModuleFrame.h"

#ifdef WITH_EXIT_MODULE
DLLCLBK void ExitModule(HINSTANCE) { setenv("CORVEX_TEST_EXIT_HOOK", "ExitModule", 1); }
#endif
#ifdef WITH_OPC_DLL_EXIT
DLLCLBK void opcDLLExit(HINSTANCE) { setenv("CORVEX_TEST_EXIT_HOOK", "opcDLLExit", 1); }
#endif

DLLCLBK void InitModule(HINSTANCE) {}
DLLCLBK VESSEL* ovcInit(OBJHANDLE, int) { return nullptr; }
DLLCLBK void ovcExit(VESSEL*) {}
// The hook the frame found, for the test to compare.
DLLCLBK void* FoundExitHook() { return reinterpret_cast<void*>(moduleframe::CurrentExitHook()); }
