#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

// Everything one encoder command line is made of.
struct CommandPieces {
    bool NotUseAnotherFFmpeg = true;  // true: the bare name "ffmpeg"
    std::string AnotherFFmpeg;        // the other encoder's path otherwise
    bool Overwrite = false;           // "-y", only after the user said Yes
    std::string InputFile;
    std::string Arguments;  // verbatim, ends with one space (or empty)
    std::string OutputFile;
};

inline constexpr std::string_view kEncoderBareName = "ffmpeg";

// The command line as the user sees it and as Windows process creation takes
// it: program, "-y ", "-i " + quoted input + " ", arguments, quoted output.
std::string ComposeCommandLine(const CommandPieces& pieces);

// The same command as an argument vector, for starting the encoder without a
// shell: the program path, "-y", "-i", the input, the arguments split the way
// the Microsoft C runtime splits a command line, the output. Paths stay
// single arguments whatever they contain.
std::vector<std::string> BuildArgv(const CommandPieces& pieces, const std::string& programPath);

// Splits a command-line text into arguments by the Microsoft C runtime rules:
// blanks and tabs separate; double quotes group; 2n backslashes before a quote
// give n backslashes and the quote toggles grouping; 2n+1 give n and a literal
// quote; other backslashes are literal; "" inside a group is a literal quote.
std::vector<std::string> SplitArgumentsLikeCrt(std::string_view text);

}  // namespace kestrum
