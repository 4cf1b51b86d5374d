#pragma once

#include <sys/types.h>
#include <chrono>
#include <functional>
#include <string>

namespace kestrum::test {

// The process exists, running or not yet collected (a zombie; on Windows: a
// process whose handle someone still holds).
bool ProcessExists(pid_t pid);
// The process exists and has not ended.
bool ProcessRunning(pid_t pid);

// Checks `condition` every few milliseconds until it holds or `timeout` passes.
bool Eventually(const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The pid a test encoder wrote into `file` (its first number); 0 when the
// file did not appear within `timeout`.
pid_t PidFromFile(const std::string& file,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));

}  // namespace kestrum::test
