#include <windows.h>

#include <string>

#include "cli/terminal.h"

namespace kestrum::cli {

// A console, not just any character device: the C runtime's isatty also
// says yes for NUL, where no one would ever answer.
bool StandardInputIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

// The live progress line redraws itself with terminal escapes: only a console
// that understands them (Windows 10 and later, once asked) counts.
bool StandardOutputIsTerminal() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return ::GetConsoleMode(output, &mode) &&
           ::SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

int TerminalColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
        return 80;
    }
    return info.srWindow.Right - info.srWindow.Left + 1;
}

bool AskYesNo(std::string_view question, platform::NativeHandle cancel) {
    WriteText(stderr, question);
    WriteText(stderr, " [y/n] ");
    std::fflush(stderr);
    // Byte by byte, with no buffer that could swallow what follows the
    // answer, and a wait that a stop signal can end.
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    std::string answer;
    while (true) {
        if (platform::IsHeld(cancel) && ::WaitForSingleObject(cancel, 0) == WAIT_OBJECT_0) {
            WriteText(stderr, "\n");
            return false;
        }
        char c = 0;
        DWORD got = 0;
        if (!::ReadFile(input, &c, 1, &got, nullptr) || got == 0 || c == '\n') {
            break;
        }
        if (c != '\r') {
            answer.push_back(c);
        }
    }
    if (platform::IsHeld(cancel) && ::WaitForSingleObject(cancel, 0) == WAIT_OBJECT_0) {
        WriteText(stderr, "\n");
        return false;  // Ctrl-C ends the console's read too
    }
    return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace kestrum::cli
