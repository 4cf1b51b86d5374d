#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/native_handle.h"

namespace kestrum::platform {

// A started child process, as process creation reports it. On POSIX `process`
// is a pidfd where the kernel has them (kNoHandle otherwise) and `thread` is
// never held; on Windows they are the process and main-thread handles. All
// four are zero / not held when no child is held.
struct ChildProcess {
    NativeHandle process = kNoHandle;
    NativeHandle thread = kNoHandle;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
};

inline bool IsHeld(const ChildProcess& child) {
    return child.processId != 0;
}

// The handles a child gets as its standard input, output and error.
struct StandardHandles {
    NativeHandle input = kNoHandle;
    NativeHandle output = kNoHandle;
    NativeHandle error = kNoHandle;
};

// One command in the two forms the systems take it: POSIX runs argv[0] (a
// path: nothing is searched) with argv as its arguments; Windows takes the
// whole command line as one text and finds the program from its first token.
struct ChildCommand {
    std::vector<std::string> argv;
    std::string commandLine;
};

// Starts the command without a shell, hidden, with the caller's environment
// and current folder; the child gets the three handles as its standard input,
// output and error. POSIX: it gets no other handle of ours, and runs in a
// process group of its own (so that TerminateChild reaches whatever it starts
// in turn) with every signal at its default. Windows: process creation with
// inheritance on, so the child also inherits every other inheritable handle,
// and only a Windows program is started. False with the last system error set.
bool StartChildProcess(const ChildCommand& command, const StandardHandles& stdio,
                       ChildProcess& child);

// A pipe that a wait also wakes for. Once all its writers are gone it is
// marked `closed` and wakes no later wait (it would wake every wait at once).
struct WatchedPipe {
    NativeHandle handle = kNoHandle;
    bool closed = false;
};

enum class WaitResult { ChildEnded, TimedOut, OutputArrived };

// Waits up to `timeout` for the child to end or, where the system can wait on
// pipes (POSIX; Windows cannot wait on anonymous pipes), for bytes in one of
// `pipes`. The child is not collected, so its identity stays ours. A wait
// that fails counts as timed out.
WaitResult WaitForChild(const ChildProcess& child, std::span<WatchedPipe> pipes,
                        std::chrono::milliseconds timeout);

// Kills the child at once, on POSIX with everything in its process group;
// `exitCode` is what the child reports where the system lets us choose
// (Windows). Only for a child that is not yet collected.
void TerminateChild(const ChildProcess& child, std::uint32_t exitCode);

// How a collected child ended: on its own with an exit code, or not (killed,
// crashed). Windows reports an exit code for every end: a terminated child
// has the code it was terminated with, a crashed one its exception code.
struct ChildExit {
    bool exited = false;
    int code = 0;
};

// Waits for the child to end, collects it so nothing of it stays behind, and
// releases its handles; the record is cleared.
ChildExit CollectChild(ChildProcess& child);

}  // namespace kestrum::platform
