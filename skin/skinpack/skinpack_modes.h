#pragma once

#include "skin/skinpack/skinpack_options.h"

namespace kestrum::skinpack {

// Each returns the program's exit status: 0 done, 1 failed (reason on stderr).
int Pack(const Options& options);
int List(const Options& options);

}  // namespace kestrum::skinpack
