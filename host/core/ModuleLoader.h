// Finds, loads and keeps the vessel modules: one shared library per vessel class.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "HostTypes.h"

class VESSEL;

namespace host {

// A problem the host cannot carry on from, with a message for the user.
struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Module {
    std::string className;
    std::filesystem::path path;
    void* library = nullptr;
    int version = 0;
    void (*initModule)(HINSTANCE) = nullptr;
    VESSEL* (*ovcInit)(OBJHANDLE, int) = nullptr;
    void (*ovcExit)(VESSEL*) = nullptr;
    int (*getModuleVersion)() = nullptr;
};

class ModuleLoader {
public:
    // The module of class C is the file "C.so" in the first of these directories that has one.
    void SetSearchPath(std::vector<std::filesystem::path> dirs) { searchPath = std::move(dirs); }
    const std::vector<std::filesystem::path>& SearchPath() const { return searchPath; }

    // Loads the class's module on first use: asks its version and calls InitModule once.
    // Throws Error naming the file (and the symbol) when it cannot.
    Module& Get(const std::string& className);
    // Unloads every module; the next Get loads afresh.
    void UnloadAll();
    ~ModuleLoader() { UnloadAll(); }

private:
    std::vector<std::filesystem::path> searchPath;
    std::map<std::string, std::unique_ptr<Module>> modules;
};

// The directory of modules next to the running program.
std::filesystem::path DefaultModuleDirectory();

}  // namespace host
