#pragma once

#include "cli/cli_options.h"

namespace kestrum::cli {

// Each returns the program's exit status.
int ListProfiles();
int PrintCommands(const Options& options);
int ConvertFiles(const Options& options);

}  // namespace kestrum::cli
