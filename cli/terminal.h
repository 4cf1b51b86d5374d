#pragma once

#include <cstdio>
#include <string_view>

namespace kestrum::cli {

// Writes bytes as they are: paths need not be valid UTF-8.
inline void WriteText(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

inline void WriteLine(std::FILE* stream, std::string_view text) {
    WriteText(stream, text);
    std::fputc('\n', stream);
}

bool StandardInputIsTerminal();

// Asks a yes/no question on the terminal; true for an answer starting with y.
bool AskYesNo(std::string_view question);

}  // namespace kestrum::cli
