#pragma once

#include <sys/types.h>
#include <chrono>
#include <string>
#include <vector>

namespace kestrum::bench {

using Clock = std::chrono::steady_clock;

// What one run of a whole program cost: wall time from its start to its end,
// the processor time of it and of every child it waited for, its peak memory.
struct RunCost {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakMiB = 0;
};

// This process's environment with `extra` ("NAME=value") entries replacing
// or adding to it.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra);

// Starts argv[0] (a path) without a shell, standard input reading nothing and
// both outputs thrown away.
pid_t StartQuietly(const std::vector<std::string>& argv,
                   const std::vector<std::string>& environment);

// Waits for a started program; throws unless it exited with status 0.
RunCost WaitForEnd(pid_t pid, Clock::time_point started, const std::string& name);

// Starts a program and waits for it.
RunCost RunTimed(const std::vector<std::string>& argv,
                 const std::vector<std::string>& environment = EnvironmentWith({}));

double Median(std::vector<double> values);

// A fresh folder under the temporary folder, with a trailing slash.
std::string MakeBenchFolder(const std::string& name);

}  // namespace kestrum::bench
