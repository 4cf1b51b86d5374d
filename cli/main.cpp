#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/modes.h"
#include "cli/terminal.h"

int main(int argc, char* argv[]) {
    using namespace kestrum::cli;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParseResult parsed = ParseOptions(arguments);
    if (!parsed.options) {
        WriteLine(stderr, "kestrum-convert: " + parsed.error);
        WriteText(stderr, kUsage);
        return 2;
    }
    switch (parsed.options->mode) {
        case Mode::Help:
            WriteText(stdout, kUsage);
            return 0;
        case Mode::ListProfiles:
            return ListProfiles();
        case Mode::PrintCommand:
            return PrintCommands(*parsed.options);
        case Mode::Convert:
            return ConvertFiles(*parsed.options);
    }
    return 2;
}
