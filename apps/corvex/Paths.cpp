#include "Paths.h"

#include "core/ModuleLoader.h"

namespace corvex {

std::filesystem::path DefaultScenario() {
    return host::DefaultModuleDirectory().parent_path() / "data" / "scenarios" / "skirmish.scn";
}

std::filesystem::path DefaultSavePath(const std::filesystem::path& scenario) {
    return std::filesystem::path("out") / (scenario.stem().string() + "-end.scn");
}

}  // namespace corvex
