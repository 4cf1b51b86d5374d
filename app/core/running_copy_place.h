#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrum {

// The name by which the copies of the program find each other: every copy of
// every build uses the same one.
inline constexpr std::string_view kMainWindowClassName =
    "Kestrum Zude Ridaz Avovozozi Made by Kestrum Software";

// Where the copies of one user in one desktop session meet: the lock file
// that elects the first copy, and the name of the local server that copy
// answers on.
struct RunningCopyPlace {
    std::string lockFile;
    std::string serverName;
};

// The place for this user and desktop session, in a folder that only this
// user can enter; nothing when no such folder can be had (the program then
// runs without looking for another copy).
std::optional<RunningCopyPlace> FindRunningCopyPlace();

// Lets the running copy, once woken, take the foreground from this one: on
// Windows only the process the user started last may bring a window to the
// front, so the later copy hands that right on before waking the first.
void LetRunningCopyComeForward();

// The short name both files are derived from: the class name, the user and
// the session, hashed into a name that fits any socket path.
std::string RunningCopyName(std::string_view userAndSession);

// 64-bit FNV-1a: the same value in every build and on every machine.
std::uint64_t StableHash(std::string_view text);

}  // namespace kestrum
