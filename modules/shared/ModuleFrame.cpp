#include "ModuleFrame.h"

#include <dlfcn.h>

namespace moduleframe {

namespace {

ExitHook exitHook = nullptr;
HINSTANCE self = nullptr;
int cachedVersion = 0;

void* OwnBase() {
    Dl_info info{};
    return dladdr(reinterpret_cast<void*>(&FindExitHook), &info) ? info.dli_fbase : nullptr;
}

ExitHook OwnSymbol(void* library, const char* name) {
    void* address = dlsym(library, name);
    Dl_info info{};
    if (!address || !dladdr(address, &info) || info.dli_fbase != OwnBase()) return nullptr;
    return reinterpret_cast<ExitHook>(address);
}

// The library's own handle, without keeping an extra reference to it.
void* OwnLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&FindExitHook), &info) || !info.dli_fname) return nullptr;
    void* library = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (library) dlclose(library);
    return library;
}

__attribute__((constructor)) void OnAttach() {
    void* library = OwnLibrary();
    self = reinterpret_cast<HINSTANCE>(library);
    InitLib(self);
    exitHook = library ? FindExitHook(library) : nullptr;
}

__attribute__((destructor)) void OnDetach() {
    if (exitHook) exitHook(self);
}

}  // namespace

ExitHook FindExitHook(void* library) {
    if (ExitHook hook = OwnSymbol(library, "ExitModule")) return hook;
    return OwnSymbol(library, "opcDLLExit");
}

ExitHook CurrentExitHook() { return exitHook; }

}  // namespace moduleframe

DLLCLBK int GetModuleVersion() {
    if (moduleframe::cachedVersion == 0) moduleframe::cachedVersion = Date2Int("Apr 25 2006");
    return moduleframe::cachedVersion;
}
