#pragma once

#include <chrono>
#include <stop_token>
#include <string>
#include <vector>

namespace kestrum::platform {

enum class CaptureOutcome {
    Exited,      // the program ended by itself (exitCode says how)
    TimedOut,    // killed, with everything it started, when the time ran out
    NotStarted,  // the program could not be run
    Stopped,     // killed in the same way because the caller no longer waits
};

struct CapturedOutput {
    CaptureOutcome outcome = CaptureOutcome::NotStarted;
    int exitCode = -1;  // the program's exit code; -1 when a POSIX signal ended it
    std::string out;
    std::string err;
};

// Runs a short-lived program without a shell, its standard input reading
// nothing, and collects what it writes (up to a few megabytes of each
// stream). A program still running after `timeout`, or when `stop` is
// requested, is killed, and reaped: on POSIX together with its process group,
// on Windows alone. argv[0] is the program's path.
CapturedOutput CaptureOutput(const std::vector<std::string>& argv,
                             std::chrono::milliseconds timeout, std::stop_token stop = {});

}  // namespace kestrum::platform
