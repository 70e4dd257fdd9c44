#include "ModuleLoader.h"

#include <dlfcn.h>

#include <cctype>
#include <system_error>

namespace host {

namespace {

bool ValidClassName(const std::string& name) {
    if (name.empty() || name.size() > 64) return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-')) return false;
    return true;
}

template <class Fn>
void Resolve(Module& m, Fn& fn, const char* symbol) {
    // Only the module's own export counts, not one that a library it depends on happens to have.
    void* address = dlsym(m.library, symbol);
    Dl_info info{};
    void* own = dlsym(m.library, "ovcInit");
    Dl_info ownInfo{};
    if (!address || !dladdr(address, &info) || !own || !dladdr(own, &ownInfo) || info.dli_fbase != ownInfo.dli_fbase)
        throw Error("module " + m.path.string() + ": missing export '" + symbol + "'");
    fn = reinterpret_cast<Fn>(address);
}

}  // namespace

Module& ModuleLoader::Get(const std::string& className) {
    if (auto it = modules.find(className); it != modules.end()) return *it->second;
    if (!ValidClassName(className)) throw Error("invalid vessel class name '" + className + "'");

    auto m = std::make_unique<Module>();
    m->className = className;
    const std::string file = className + ".so";
    std::string looked;
    for (const auto& dir : searchPath) {
        std::error_code ec;
        if (std::filesystem::exists(dir / file, ec)) {
            m->path = dir / file;
            break;
        }
        looked += (looked.empty() ? "" : ", ") + (dir / file).string();
    }
    if (m->path.empty())
        throw Error("no module for vessel class '" + className + "': " + (looked.empty() ? file : looked) + " not found");
    m->library = dlopen(m->path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m->library) throw Error("cannot load module " + m->path.string() + ": " + dlerror());
    try {
        Resolve(*m, m->ovcInit, "ovcInit");
        Resolve(*m, m->ovcExit, "ovcExit");
        Resolve(*m, m->initModule, "InitModule");
        Resolve(*m, m->getModuleVersion, "GetModuleVersion");
    } catch (...) {
        dlclose(m->library);
        throw;
    }
    m->version = m->getModuleVersion();
    m->initModule(reinterpret_cast<HINSTANCE>(m->library));
    return *modules.emplace(className, std::move(m)).first->second;
}

void ModuleLoader::UnloadAll() {
    for (auto& [name, m] : modules) dlclose(m->library);
    modules.clear();
}

std::filesystem::path DefaultModuleDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("modules") : exe.parent_path() / "modules";
}

}  // namespace host
