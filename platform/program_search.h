#pragma once

#include <string>

namespace kestrum::platform {

// Finds the executable that a bare program name on a command line would run:
// the folder of our own executable first, then the folders of PATH. The
// current folder is deliberately not searched. Empty when nothing is found.
std::string FindProgram(const std::string& name);

}  // namespace kestrum::platform
