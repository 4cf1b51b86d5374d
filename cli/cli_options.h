#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrum::cli {

enum class Mode { Help, ListProfiles, PrintCommand, Convert };

enum class OverwriteAnswer { Ask, Yes, No };

// What the command line asked for. Unset options take their value from the
// saved settings.
struct Options {
    Mode mode = Mode::Convert;
    std::optional<std::string> profile;
    std::optional<std::string> outputFolder;
    bool sameAsInput = false;
    std::optional<std::string> encoder;
    std::optional<OverwriteAnswer> overwrite;
    // Files converted at once; 0 means one per processor.
    int jobs = 1;
    std::vector<std::string> files;
};

struct ParseResult {
    std::optional<Options> options;
    std::string error;  // set when options is empty
};

ParseResult ParseOptions(const std::vector<std::string>& arguments);

// How many files convert at once: --jobs, or one per processor for 0.
int JobsToRun(const Options& options);

extern const char* const kUsage;

}  // namespace kestrum::cli
