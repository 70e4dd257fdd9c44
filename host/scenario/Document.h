// A scenario file split into its parts, checked for shape, before any vessel exists.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace host::scenario {

// Bounds that keep a malformed or hostile file from eating the machine.
constexpr std::size_t kMaxFileSize = 64u << 20;
constexpr std::size_t kMaxLineLength = 64u << 10;
constexpr std::size_t kMaxVessels = 10000;

// One line of a vessel block, without its leading and trailing blanks.
struct Line {
    int number = 0;
    std::string text;
};

struct Environment {
    double time = 0;             // simulation time at the start, s
    double step = 1.0 / 128.0;   // s
    std::uint64_t seed = 0;
    std::uint64_t draws = 0;     // random numbers already drawn since seeding
};

struct VesselBlock {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<Line> lines;
};

struct Document {
    std::string fileName;
    Environment environment;
    std::string focus;  // empty when the file names none
    int focusLine = 0;
    std::vector<VesselBlock> vessels;
};

// Throws host::Error as "file:line: problem".
Document ParseDocument(std::string_view content, const std::string& fileName);
// The whole file; throws host::Error naming it when it cannot be read or is too large.
std::string ReadScenarioFile(const std::filesystem::path& path);

// Where a problem lies, as every scenario message begins.
std::string Where(const std::string& fileName, int line);

}  // namespace host::scenario
