// Scenario files: load a whole simulation from one, save the running one to one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace host::scenario {

struct LoadReport {
    std::size_t vessels = 0;
    std::vector<std::string> warnings;  // "file:line: warning: ..." for lines that were skipped
};

// Sets the host's clock and random numbers from the file's environment, creates its vessels in
// file order (each reads its block before it is placed) and gives the focus. Throws host::Error
// as "file:line: problem"; then the file's vessels are gone again and the clock is as it was.
LoadReport LoadScenario(const std::filesystem::path& path);
LoadReport LoadScenarioText(std::string_view content, const std::string& fileName);

// The running simulation as a scenario. Items a module could not write are skipped with a
// warning; a vessel whose name no scenario line can hold throws host::Error.
std::string ScenarioText(std::vector<std::string>& warnings);
// Writes ScenarioText to the file through a temporary one, so an existing file is replaced only by
// a complete one. Throws host::Error naming the file when it cannot.
void SaveScenario(const std::filesystem::path& path, std::vector<std::string>& warnings);

}  // namespace host::scenario
