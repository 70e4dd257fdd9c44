#include "Command.h"

#include <sys/wait.h>

#include <cstdio>

CommandOutcome RunCommand(const std::string& commandLine) {
    const std::string command = commandLine + " 2>&1 </dev/null";
    CommandOutcome outcome{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return outcome;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) outcome.output.append(buffer, n);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}
