#pragma once

#include "app/core/settings_store.h"
#include "cli/cli_options.h"
#include "convert/core/batch_checks.h"

namespace kestrum::cli {

// The values a batch runs with: the command line's options over the saved
// settings. --output-folder on its own means "into this folder", whatever the
// saved "same as the input file" says; --encoder selects another encoder copy.
BatchChoices ResolveBatchChoices(const Options& options, const Settings& saved);

}  // namespace kestrum::cli
