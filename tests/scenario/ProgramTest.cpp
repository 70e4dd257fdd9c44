// The corvex program end to end: runs, saves, and refuses bad input with a message and an exit code.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "Command.h"

namespace {

using Outcome = CommandOutcome;

Outcome RunProgram(const std::string& arguments) { return RunCommand(std::string(CORVEX_PROGRAM) + " " + arguments); }

std::string Data(const char* name) { return std::string(CORVEX_SCENARIO_TEST_DATA) + "/" + name; }

TEST(Program, RunsTheDefaultScenarioAndSavesAnEndStateItCanRunAgain) {
    const std::string saved = ::testing::TempDir() + "/program-end.scn";
    const Outcome first = RunProgram("-t 2 -o " + saved);
    ASSERT_EQ(first.exitCode, 0) << first.output;
    EXPECT_NE(first.output.find("skirmish.scn: 5 vessels at t = 0 s"), std::string::npos) << first.output;
    EXPECT_NE(first.output.find("ran 2.00 s of simulated time in 256 steps"), std::string::npos) << first.output;
    EXPECT_NE(first.output.find("saved the end state to " + saved), std::string::npos) << first.output;

    const Outcome second = RunProgram(saved + " -t 1 --no-save");
    ASSERT_EQ(second.exitCode, 0) << second.output;
    EXPECT_NE(second.output.find("5 vessels at t = 2 s"), std::string::npos) << second.output;
    std::filesystem::remove(saved);
}

TEST(Program, ScriptedKeysReachTheFocusFighterAndTheLogSaysSo) {
    const std::string log = ::testing::TempDir() + "/program-events.jsonl";
    const Outcome run = RunProgram("-t 2 --no-save --key 1:Space --event-log " + log);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("on screen: LIVES: 4"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("bullet (Pellix) appears"), std::string::npos) << run.output;
    std::ifstream in(log);
    std::string line, all;
    while (std::getline(in, line)) all += line + "\n";
    EXPECT_NE(all.find(R"("event":"key","key":"Space","code":57,"down":true,"vessel":{"id":1,"name":"Player")"),
              std::string::npos)
        << all;
    // The shell is made inside the player's key callback.
    EXPECT_NE(all.find(R"("event":"created","vessel":{"id":6,"name":"bullet","class":"Pellix"},)"
                       R"("during":{"id":1,"name":"Player","class":"Corvex"})"),
              std::string::npos)
        << all;
    std::filesystem::remove(log);
}

TEST(Program, BadInputExitsWithAMessage) {
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {Data("bad-altitude.scn") + " --no-save", Data("bad-altitude.scn") + ":5: ALTITUDE expects a number, got '3OOO'"},
        {Data("no-such.scn") + " --no-save", Data("no-such.scn") + ": cannot open"},
        {"-t -5", "-t"},
        {"--bogus", "--bogus"},
        {"--time 1 --until-stopped", "excludes"},
        {"-o " + Data("bad-altitude.scn") + "/x.scn -t 0", "cannot write"},
        {"-t 0 --no-save --key 1:Spacebar", "Spacebar"},
        {"-t 0 --no-save --event-log /nonexistent-dir/events.jsonl", "cannot write the event log"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunProgram(c.arguments);
        EXPECT_NE(outcome.exitCode, 0) << c.arguments;
        EXPECT_NE(outcome.output.find(c.message), std::string::npos) << c.arguments << "\n" << outcome.output;
    }
}

}  // namespace
