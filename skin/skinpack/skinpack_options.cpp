#include "skin/skinpack/skinpack_options.h"

namespace kestrum::skinpack {

const char* const kUsage =
    "Usage:\n"
    "  kestrum-skinpack DIR OUT [--password P]\n"
    "      Packs the folder DIR (NAME.bmp bitmaps and one text file of NAME=VALUE\n"
    "      lines) into the skin file OUT, encrypted with AES-256 when P is given.\n"
    "  kestrum-skinpack --list FILE [--password P]\n"
    "      Prints each entry of the skin file FILE: name, kind and size in bytes.\n"
    "  kestrum-skinpack --help\n";

ParseResult ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    std::vector<std::string> operands;
    bool list = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.mode = Mode::Help;
            return {options, {}};
        }
        if (argument == "--list") {
            list = true;
        } else if (argument == "--password") {
            if (i + 1 == arguments.size()) {
                return {std::nullopt, "--password needs a value"};
            }
            options.password = arguments[++i];
        } else if (argument.starts_with("--password=")) {
            options.password = argument.substr(std::string("--password=").size());
        } else if (argument.starts_with("--")) {
            return {std::nullopt, "unknown option " + argument};
        } else {
            operands.push_back(argument);
        }
    }
    if (list) {
        if (operands.size() != 1) {
            return {std::nullopt, "--list takes one skin file"};
        }
        options.mode = Mode::List;
        options.file = operands[0];
        return {options, {}};
    }
    if (operands.size() != 2) {
        return {std::nullopt, "give a folder and the skin file to write"};
    }
    options.folder = operands[0];
    options.file = operands[1];
    return {options, {}};
}

}  // namespace kestrum::skinpack
