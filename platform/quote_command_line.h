#pragma once

#include <string>
#include <vector>

namespace kestrum::platform {

// One command line from separate arguments, quoted so that the C runtime of
// the started program splits it back into exactly these arguments (the form
// Windows process creation takes a command in).
std::string QuoteCommandLine(const std::vector<std::string>& argv);

}  // namespace kestrum::platform
