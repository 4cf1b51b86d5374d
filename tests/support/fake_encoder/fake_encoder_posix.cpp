#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "fake_encoder_system.h"

namespace fake_encoder {

void WriteAll(int stream, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(stream, text.data() + done, text.size() - done);
        if (n <= 0) {
            std::_Exit(3);  // the runner has gone
        }
        done += static_cast<std::size_t>(n);
    }
}

long long MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void IgnoreStopSignals() {
    for (int s : {SIGINT, SIGTERM, SIGHUP}) {
        ::signal(s, SIG_IGN);
    }
}

void ReadStandardInputToItsEnd() {
    char buffer[256];
    while (::read(0, buffer, sizeof buffer) > 0) {
    }
}

std::string ProcessIdentity() {
    return std::to_string(::getpid()) + " " + std::to_string(::getpgrp());
}

std::string OpenDescriptors() {
    std::string list;
    DIR* dir = ::opendir("/proc/self/fd");
    const int own = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.' && std::atoi(entry->d_name) != own) {
            list += std::string(entry->d_name) + "\n";
        }
    }
    ::closedir(dir);
    return list;
}

void HoldFileOpen(const std::string& path, long ms, const std::function<void()>& held) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    ::flock(fd, LOCK_EX);
    held();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    ::close(fd);
}

bool LimitFileSize(long long bytes) {
    // SIGXFSZ would kill the encoder outright; ignored, the write fails.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

void StartGrandchild(const std::string& pidFile,
                     const std::function<void(const std::string&, const std::string&)>& write) {
    if (::fork() == 0) {
        write(pidFile, std::to_string(::getpid()));
        std::this_thread::sleep_for(std::chrono::seconds(60));
        std::_Exit(0);
    }
}

}  // namespace fake_encoder
