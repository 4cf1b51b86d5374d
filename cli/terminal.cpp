#include "cli/terminal.h"

#include <unistd.h>
#include <iostream>
#include <string>

namespace kestrum::cli {

bool StandardInputIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool AskYesNo(std::string_view question) {
    WriteText(stderr, question);
    WriteText(stderr, " [y/n] ");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer)) {
        return false;
    }
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace kestrum::cli
