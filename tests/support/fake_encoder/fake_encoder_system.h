#pragma once

#include <functional>
#include <string>

// What the test encoder does differently on each system.
namespace fake_encoder {

// One write of all of `text` to standard output (1) or error (2); ends the
// program with status 3 when the runner has gone.
void WriteAll(int stream, const std::string& text);
// The monotonic clock the tests compare with, in nanoseconds.
long long MonotonicNanoseconds();
void IgnoreStopSignals();
void ReadStandardInputToItsEnd();
// "pid pgid" on POSIX, "pid" on Windows.
std::string ProcessIdentity();
// The open descriptors, one a line (POSIX; empty on Windows).
std::string OpenDescriptors();
// Keeps `path` open, as a program that writes it would, for `ms` milliseconds;
// `held` runs once it is open.
void HoldFileOpen(const std::string& path, long ms, const std::function<void()>& held);
// Lets no file grow beyond `bytes` any more, the way a full disk would stop
// the writer: a write beyond fails. False where the system has no such limit
// (Windows): the caller keeps count itself.
bool LimitFileSize(long long bytes);
// Starts a process that writes its pid into `pidFile` with `write` and sleeps
// (POSIX; nothing on Windows).
void StartGrandchild(const std::string& pidFile,
                     const std::function<void(const std::string&, const std::string&)>& write);

}  // namespace fake_encoder
