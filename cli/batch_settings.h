#pragma once

#include <optional>
#include <string>

#include "app/core/settings_store.h"
#include "cli/cli_options.h"
#include "convert/core/batch_checks.h"

namespace kestrum::cli {

// The values a batch runs with: the command line's options over the saved settings.
struct BatchSettings {
    std::string profile;
    bool sameAsInput = false;
    std::string outputFolder;
    bool notUseAnotherFFmpeg = true;
    std::string anotherFFmpeg;
};

// --output-folder on its own means "into this folder", whatever the saved
// "same as the input file" says; --encoder selects another encoder copy.
BatchSettings ResolveBatchSettings(const Options& options, const Settings& saved);

// The same, as the engine's batch takes them.
BatchChoices ChoicesOf(const BatchSettings& batch);

// The profile and encoder checks of a batch, with the program's texts; the
// message when the batch cannot start.
std::optional<std::string> CheckProfileAndEncoder(const BatchSettings& batch);

}  // namespace kestrum::cli
