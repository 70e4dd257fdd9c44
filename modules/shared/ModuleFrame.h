// What every vessel module shares: its version and the hook run when the library goes away.
#pragma once

#include "ModuleAPI.h"

namespace moduleframe {

using ExitHook = void (*)(HINSTANCE);

// The module's own "ExitModule", else its own "opcDLLExit", else null. Exports of other
// libraries (the host's, the C library's) do not count.
ExitHook FindExitHook(void* library);

// What the load hook found; null when the module has no exit entry point.
ExitHook CurrentExitHook();

}  // namespace moduleframe
