#include "support/process_probe.h"

#include <fstream>
#include <thread>

namespace kestrum::test {

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

pid_t PidFromFile(const std::string& file, std::chrono::milliseconds timeout) {
    pid_t pid = 0;
    Eventually(
        [&] {
            std::ifstream in(file);
            return static_cast<bool>(in >> pid);
        },
        timeout);
    return pid;
}

}  // namespace kestrum::test
