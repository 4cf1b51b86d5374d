#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// The text the top-level error handler shows for an error that escaped a
// command: the message, with "." added when its last character's code is
// above that of "." (so "Disk full" gets one and "Done." or "(1)" do not).
std::string UnhandledErrorText(std::string_view message);

}  // namespace kestrum
