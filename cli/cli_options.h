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
    std::vector<std::string> files;
};

struct ParseResult {
    std::optional<Options> options;
    std::string error;  // set when options is empty
};

ParseResult ParseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace kestrum::cli
