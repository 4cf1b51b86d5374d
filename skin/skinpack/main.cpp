#include <cstdio>
#include <string>
#include <vector>

#include "skin/skinpack/skinpack_modes.h"
#include "skin/skinpack/skinpack_options.h"

int main(int argc, char* argv[]) {
    using namespace kestrum::skinpack;
    const ParseResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "kestrum-skinpack: %s\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    switch (parsed.options->mode) {
        case Mode::Help:
            std::fputs(kUsage, stdout);
            return 0;
        case Mode::List:
            return List(*parsed.options);
        case Mode::Pack:
            break;
    }
    return Pack(*parsed.options);
}
