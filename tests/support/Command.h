// Runs a command line as a user would from a shell.
#pragma once

#include <string>

struct CommandOutcome {
    int exitCode;        // -1 if it did not exit normally
    std::string output;  // stdout and stderr together
};

CommandOutcome RunCommand(const std::string& commandLine);
