// The corvex program as a player runs it: a scenario, a key script, and the event log telling
// what came of it.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "Command.h"

namespace {

using nlohmann::json;

std::string Data(const char* name) { return std::string(CORVEX_COMBAT_DATA) + "/" + name; }

// The log's line of an event about a vessel, or null.
const json* Find(const std::vector<json>& lines, const std::string& event, const std::string& name) {
    for (const json& line : lines)
        if (line["event"] == event && line.contains("vessel") && line["vessel"]["name"] == name) return &line;
    return nullptr;
}

TEST(HeadlessRun, AScriptedShotDownsTheFighterAheadAndTheLogTellsIt) {
    const std::string log = ::testing::TempDir() + "/duel-events.jsonl";
    const CommandOutcome run = RunCommand(std::string(CORVEX_PROGRAM) + " " + Data("duel.scn") +
                                          " -t 3 --no-save --keys " + Data("duel.keys") + " --event-log " + log);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<json> lines;
    std::ifstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(json::parse(line));
    std::filesystem::remove(log);

    const json* shot = Find(lines, "created", "bullet");
    ASSERT_NE(shot, nullptr) << run.output;
    EXPECT_EQ((*shot)["during"]["name"], "Player");
    const json shell = (*shot)["vessel"];

    // In the shell's step: the frag and the replacement.
    std::vector<std::string> inShellStep;
    for (const json& line : lines) {
        if (line.value("during", json()) != shell) continue;
        if (line["event"] == "annotation") inShellStep.push_back("text " + line["text"].get<std::string>());
        if (line["event"] == "created") inShellStep.push_back("created " + line["vessel"]["name"].get<std::string>());
    }
    EXPECT_EQ(inShellStep, (std::vector<std::string>{"text FRAGS: 1", "created Red*"}));

    const json* replaced = Find(lines, "created", "Red*");
    const json* wreckGone = Find(lines, "deleted", "Red");
    ASSERT_NE(replaced, nullptr);
    ASSERT_NE(wreckGone, nullptr);
    EXPECT_EQ((*wreckGone)["t"].get<double>(), (*replaced)["t"].get<double>() + 0.75);
    EXPECT_EQ((*wreckGone)["during"]["name"], "Red");
    EXPECT_NE(run.output.find("Red* (Corvex) appears"), std::string::npos) << run.output;
}

}  // namespace
