#include "cli/terminal.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <cerrno>
#include <string>

namespace kestrum::cli {

bool StandardInputIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool StandardOutputIsTerminal() {
    return ::isatty(STDOUT_FILENO) == 1;
}

int TerminalColumns() {
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) {
        return 80;
    }
    return size.ws_col;
}

bool AskYesNo(std::string_view question, platform::NativeHandle cancel) {
    WriteText(stderr, question);
    WriteText(stderr, " [y/n] ");
    std::fflush(stderr);
    // Byte by byte from the descriptor, with no buffer that could swallow
    // what follows the answer, and a wait that a stop signal can end.
    std::string answer;
    while (true) {
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {cancel, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (fds[1].revents != 0) {
            WriteText(stderr, "\n");
            return false;
        }
        char c = 0;
        const ssize_t got = ::read(STDIN_FILENO, &c, 1);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || c == '\n') {
            break;
        }
        answer.push_back(c);
    }
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace kestrum::cli
