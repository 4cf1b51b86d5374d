#include <windows.h>

#include <cstdlib>

#include "fake_encoder_system.h"

namespace fake_encoder {

void WriteAll(int stream, const std::string& text) {
    const HANDLE output = ::GetStdHandle(stream == 1 ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!::WriteFile(output, text.data() + done, static_cast<DWORD>(text.size() - done),
                         &written, nullptr) ||
            written == 0) {
            std::_Exit(3);  // the runner has gone
        }
        done += written;
    }
}

long long MonotonicNanoseconds() {
    LARGE_INTEGER counter{}, frequency{};
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<long long>(static_cast<double>(counter.QuadPart) * 1e9 /
                                  static_cast<double>(frequency.QuadPart));
}

void IgnoreStopSignals() {
    ::SetConsoleCtrlHandler(nullptr, TRUE);
}

void ReadStandardInputToItsEnd() {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    char buffer[256];
    DWORD got = 0;
    while (::ReadFile(input, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    }
}

std::string ProcessIdentity() {
    return std::to_string(::GetCurrentProcessId());
}

std::string OpenDescriptors() {
    return {};
}

void HoldFileOpen(const std::string& path, long ms, const std::function<void()>& held) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    held();
    ::Sleep(static_cast<DWORD>(ms));
    ::CloseHandle(file);
}

bool LimitFileSize(long long /*bytes*/) {
    return false;
}

void StartGrandchild(const std::string& /*pidFile*/,
                     const std::function<void(const std::string&, const std::string&)>& /*write*/) {
}

}  // namespace fake_encoder
