// Where the program finds its data and puts what it writes.
#pragma once

#include <filesystem>

namespace corvex {

// data/scenarios/skirmish.scn next to the program (bin/data links to the game's data).
std::filesystem::path DefaultScenario();
// out/<scenario name>-end.scn under the current directory.
std::filesystem::path DefaultSavePath(const std::filesystem::path& scenario);

}  // namespace corvex
