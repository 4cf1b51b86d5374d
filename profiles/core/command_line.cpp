#include "profiles/core/command_line.h"

namespace kestrum {

std::string ComposeCommandLine(const CommandPieces& pieces) {
    std::string line;
    if (pieces.NotUseAnotherFFmpeg) {
        line = std::string(kEncoderBareName) + " ";
    } else {
        line = "\"" + pieces.AnotherFFmpeg + "\" ";
    }
    if (pieces.Overwrite) {
        line += "-y ";
    }
    line += "-i \"" + pieces.InputFile + "\" ";
    line += pieces.Arguments;
    line += "\"" + pieces.OutputFile + "\"";
    return line;
}

std::vector<std::string> BuildArgv(const CommandPieces& pieces, const std::string& programPath) {
    std::vector<std::string> argv{programPath};
    if (pieces.Overwrite) {
        argv.emplace_back("-y");
    }
    argv.emplace_back("-i");
    argv.push_back(pieces.InputFile);
    for (std::string& argument : SplitArgumentsLikeCrt(pieces.Arguments)) {
        argv.push_back(std::move(argument));
    }
    argv.push_back(pieces.OutputFile);
    return argv;
}

std::vector<std::string> SplitArgumentsLikeCrt(std::string_view text) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    const auto blank = [&](std::size_t at) { return text[at] == ' ' || text[at] == '\t'; };
    while (true) {
        while (i < text.size() && blank(i)) {
            ++i;
        }
        if (i >= text.size()) {
            return arguments;
        }
        std::string argument;
        bool quoted = false;
        while (i < text.size() && (quoted || !blank(i))) {
            if (text[i] == '\\') {
                std::size_t backslashes = 0;
                while (i < text.size() && text[i] == '\\') {
                    ++backslashes;
                    ++i;
                }
                if (i < text.size() && text[i] == '"') {
                    argument.append(backslashes / 2, '\\');
                    if (backslashes % 2 == 1) {
                        argument.push_back('"');
                        ++i;
                    }
                    // With an even count the quote is handled as a quote below.
                } else {
                    argument.append(backslashes, '\\');
                }
                continue;
            }
            if (text[i] == '"') {
                if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                    argument.push_back('"');  // "" inside a group
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            argument.push_back(text[i]);
            ++i;
        }
        arguments.push_back(std::move(argument));
    }
}

}  // namespace kestrum
