#pragma once

#include <string>

// Helpers shared by the Windows process services (not a service of their own).
namespace kestrum::platform::win32 {

// The program a command line names, as process creation reads it: the text
// between the first pair of double quotes when the line starts with one,
// otherwise everything up to the first blank.
std::string ProgramOfCommandLine(const std::string& commandLine);

// False, with the last error ERROR_BAD_EXE_FORMAT, when the program that the
// command line names exists but is not a Windows program (neither an "MZ"
// image nor a batch file). Windows refuses such a file itself; Wine instead
// runs a program of its host system detached, with neither our pipes nor a
// handle to wait on or stop it by, so we refuse it first, as Windows would.
// True when the program is a Windows program or is not found (process
// creation then reports that itself).
bool IsStartableProgram(const std::string& commandLine);

}  // namespace kestrum::platform::win32
