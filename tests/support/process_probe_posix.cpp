#include "support/process_probe.h"

#include <fstream>
#include <sstream>

namespace kestrum::test {

namespace {

// The state letter of /proc/<pid>/stat; 0 when there is no such process.
char ProcessState(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string content;
    if (!std::getline(stat, content)) {
        return 0;
    }
    const std::size_t close = content.rfind(')');  // the name may hold blanks
    return close != std::string::npos && close + 2 < content.size() ? content[close + 2] : 0;
}

}  // namespace

bool ProcessExists(pid_t pid) {
    return ProcessState(pid) != 0;
}

bool ProcessRunning(pid_t pid) {
    const char state = ProcessState(pid);
    return state != 0 && state != 'Z' && state != 'X';
}

}  // namespace kestrum::test
