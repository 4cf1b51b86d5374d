#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kestrum::skinpack {

enum class Mode { Help, Pack, List };

struct Options {
    Mode mode = Mode::Pack;
    std::string folder;  // Pack: the folder of bitmaps and values
    std::string file;    // Pack: the skin file to write; List: the one to read
    std::string password;
};

struct ParseResult {
    std::optional<Options> options;
    std::string error;  // set when options is empty
};

ParseResult ParseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;

}  // namespace kestrum::skinpack
