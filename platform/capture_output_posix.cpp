#include "platform/capture_output.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

extern char** environ;

namespace kestrum::platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxCaptured = 4 * 1024 * 1024;

class Pipe {
public:
    Pipe() {
        if (::pipe2(ends_, O_CLOEXEC) != 0) {
            ends_[0] = ends_[1] = -1;
        }
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    bool Valid() const { return ends_[0] >= 0; }
    int Read() const { return ends_[0]; }
    int Write() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
    int ends_[2];
};

int MillisecondsLeft(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

pid_t Spawn(const std::vector<std::string>& argv, const Pipe& out, const Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.Write(), 1);
    posix_spawn_file_actions_adddup2(&actions, err.Write(), 2);
    // A process group of its own, so that a time-out ends whatever it started too.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

// Reads both pipes until they close or the deadline passes; false on time-out.
bool Drain(Pipe& out, Pipe& err, CapturedOutput& result, Clock::time_point deadline) {
    pollfd fds[2] = {{out.Read(), POLLIN, 0}, {err.Read(), POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        const int left = MillisecondsLeft(deadline);
        if (left == 0) {
            return false;
        }
        if (::poll(fds, 2, left) < 0 && errno != EINTR) {
            return false;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[8192];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                const std::size_t room = kMaxCaptured - std::min(kMaxCaptured, sinks[i]->size());
                sinks[i]->append(buffer, std::min(room, static_cast<std::size_t>(n)));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;  // closed (the Pipe closes the descriptor)
            }
        }
    }
    return true;
}

// Waits for the child until the deadline; false when it is still running.
bool WaitUntil(pid_t pid, int& status, Clock::time_point deadline) {
    while (true) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) {
            return true;
        }
        if (MillisecondsLeft(deadline) == 0) {
            return false;
        }
        ::usleep(5000);
    }
}

}  // namespace

CapturedOutput CaptureOutput(const std::vector<std::string>& argv,
                             std::chrono::milliseconds timeout) {
    CapturedOutput result;
    Pipe out, err;
    if (argv.empty() || !out.Valid() || !err.Valid()) {
        return result;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    const pid_t pid = Spawn(argv, out, err);
    out.CloseWrite();
    err.CloseWrite();
    if (pid < 0) {
        return result;
    }
    int status = 0;
    if (Drain(out, err, result, deadline) && WaitUntil(pid, status, deadline)) {
        result.outcome = CaptureOutcome::Exited;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }
    ::kill(-pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.outcome = CaptureOutcome::TimedOut;
    return result;
}

}  // namespace kestrum::platform
