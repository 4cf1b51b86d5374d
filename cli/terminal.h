#pragma once

#include <cstdio>
#include <string_view>

#include "platform/native_handle.h"

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
bool StandardOutputIsTerminal();
// The width of the terminal standard output writes to; 80 when unknown.
int TerminalColumns();

// Asks a yes/no question on the terminal; true for an answer starting with y.
// The answer counts as no at the end of input, or as soon as `cancel` (a
// descriptor that becomes readable, or an event that becomes signalled on
// Windows) fires.
bool AskYesNo(std::string_view question, platform::NativeHandle cancel = platform::kNoHandle);

}  // namespace kestrum::cli
