#include "platform/quote_command_line.h"

namespace kestrum::platform {

std::string QuoteCommandLine(const std::vector<std::string>& argv) {
    std::string line;
    for (const std::string& argument : argv) {
        if (!line.empty()) {
            line.push_back(' ');
        }
        if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
            line += argument;
            continue;
        }
        line.push_back('"');
        std::size_t backslashes = 0;
        for (const char c : argument) {
            if (c == '\\') {
                ++backslashes;
                continue;
            }
            // Backslashes before a quote are doubled, and the quote escaped.
            line.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
            backslashes = 0;
            line.push_back(c);
        }
        line.append(backslashes * 2, '\\');  // so the closing quote stays a quote
        line.push_back('"');
    }
    return line;
}

}  // namespace kestrum::platform
