#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace kestrum::test {

struct ProgramResult {
    int exitStatus = -1;  // the exit code, or 128 + signal number
    std::string out;
    std::string err;
};

// A program started without a shell, with extra "NAME=value" environment
// entries, running while the test goes on.
class RunningProgram {
public:
    RunningProgram(const std::vector<std::string>& argv,
                   const std::vector<std::string>& extraEnv = {});
    // Kills and collects the program when Finish was not called.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t Pid() const { return pid_; }
    void Signal(int signal) const;

    // Writes `input` to its standard input and closes it, then collects both
    // outputs until the program ends.
    ProgramResult Finish(const std::string& input = {});

private:
    pid_t pid_ = 0;
    int in_ = -1;
    int out_ = -1;
    int err_ = -1;
};

// Runs a program to its end (see RunningProgram).
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnv = {},
                         const std::string& input = {});

}  // namespace kestrum::test
