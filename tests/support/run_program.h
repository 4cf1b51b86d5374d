#pragma once

#include <string>
#include <vector>

namespace kestrum::test {

struct ProgramResult {
    int exitStatus = -1;  // the exit code, or 128 + signal number
    std::string out;
    std::string err;
};

// Runs a program without a shell, with extra "NAME=value" environment entries
// and the given standard input, and collects both outputs.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnv = {},
                         const std::string& input = {});

}  // namespace kestrum::test
