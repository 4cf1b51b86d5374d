#include "platform/child_process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>

extern char** environ;

namespace kestrum::platform {

namespace {

using std::chrono::milliseconds;

// posix_spawn's attributes and file actions, released on every path.
class SpawnSetup {
public:
    SpawnSetup() {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    // 0 or the error code.
    int Prepare(const StandardHandles& stdio) {
        // Our ends are close-on-exec; dup2 gives the child clean copies at 0..2.
        if (int e = posix_spawn_file_actions_adddup2(&actions_, stdio.input, 0)) {
            return e;
        }
        if (int e = posix_spawn_file_actions_adddup2(&actions_, stdio.output, 1)) {
            return e;
        }
        if (int e = posix_spawn_file_actions_adddup2(&actions_, stdio.error, 2)) {
            return e;
        }
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        // Also what a library opened without close-on-exec stays behind.
        if (int e = posix_spawn_file_actions_addclosefrom_np(&actions_, 3)) {
            return e;
        }
#endif
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        sigdelset(&all, SIGKILL);
        sigdelset(&all, SIGSTOP);
        // Signals we block or ignore (a front end waiting for Ctrl-C, SIGPIPE
        // ignored) must not stay blocked or ignored in the encoder.
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setpgroup(&attributes_, 0);
        return posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }

    const posix_spawnattr_t* Attributes() const {
        return &attributes_;
    }
    const posix_spawn_file_actions_t* Actions() const {
        return &actions_;
    }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

// A descriptor that becomes readable when the child ends; -1 on kernels
// without pidfds (before Linux 5.3), which then get the WNOHANG loop below.
// The system call is made directly: glibc's wrapper is newer than some
// systems we build on.
int OpenPidfd(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

// Without a pidfd: ask about that one child (never "any child", which could
// collect a child someone else waits for) without collecting it.
bool HasEnded(pid_t pid) {
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

// One poll on the pidfd (when held) and the pipes that can still wake us.
// Marks pipes whose writers are gone; a poll that only found those reports
// nothing, as if it had timed out.
WaitResult PollOnce(std::span<WatchedPipe> pipes, NativeHandle pidfd, int timeoutMs) {
    pollfd fds[3];
    WatchedPipe* owners[3] = {};
    nfds_t count = 0;
    if (IsHeld(pidfd)) {
        fds[count++] = {pidfd, POLLIN, 0};
    }
    for (WatchedPipe& pipe : pipes) {
        if (!pipe.closed && IsHeld(pipe.handle) && count < 3) {
            owners[count] = &pipe;
            fds[count++] = {pipe.handle, POLLIN, 0};
        }
    }
    if (::poll(fds, count, timeoutMs) <= 0) {
        return WaitResult::TimedOut;
    }
    WaitResult result = WaitResult::TimedOut;
    for (nfds_t i = 0; i < count; ++i) {
        if (fds[i].revents == 0) {
            continue;
        }
        if (owners[i] == nullptr) {
            return WaitResult::ChildEnded;
        }
        if ((fds[i].revents & POLLIN) != 0) {
            result = WaitResult::OutputArrived;
        } else {
            owners[i]->closed = true;  // hung up with nothing left to read
        }
    }
    return result;
}

// Polls until something other than a hang-up wakes us or the time is up.
// A child's pipes hang up a moment before its pidfd says it ended.
WaitResult PollUntil(std::span<WatchedPipe> pipes, NativeHandle pidfd,
                     std::chrono::steady_clock::time_point deadline) {
    while (true) {
        const auto left =
            std::chrono::ceil<milliseconds>(deadline - std::chrono::steady_clock::now());
        const WaitResult result =
            PollOnce(pipes, pidfd, static_cast<int>(std::max(left, milliseconds::zero()).count()));
        if (result != WaitResult::TimedOut || left <= milliseconds::zero()) {
            return result;
        }
    }
}

}  // namespace

bool StartChildProcess(const ChildCommand& command, const StandardHandles& stdio,
                       ChildProcess& child) {
    const std::vector<std::string>& argv = command.argv;
    child = ChildProcess{};
    if (argv.empty() || argv[0].empty()) {
        errno = ENOENT;
        return false;
    }
    SpawnSetup setup;
    if (int error = setup.Prepare(stdio)) {
        errno = error;
        return false;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& argument : argv) {
        args.push_back(const_cast<char*>(argument.c_str()));
    }
    args.push_back(nullptr);

    pid_t pid = 0;
    if (int error = ::posix_spawn(&pid, args[0], setup.Actions(), setup.Attributes(), args.data(),
                                  environ)) {
        errno = error;
        return false;
    }
    child.processId = static_cast<std::uint32_t>(pid);
    // The child is not collected yet, so its pid cannot name anyone else here.
    const int pidfd = OpenPidfd(pid);
    child.process = pidfd >= 0 ? pidfd : kNoHandle;
    return true;
}

WaitResult WaitForChild(const ChildProcess& child, std::span<WatchedPipe> pipes,
                        milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (IsHeld(child.process)) {
        return PollUntil(pipes, child.process, deadline);
    }
    // No pidfd: look at the child between short waits on the pipes.
    constexpr milliseconds kStep{5};
    const auto pid = static_cast<pid_t>(child.processId);
    while (!HasEnded(pid)) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            return WaitResult::TimedOut;
        }
        if (PollUntil(pipes, kNoHandle, std::min(deadline, now + kStep)) ==
            WaitResult::OutputArrived) {
            return WaitResult::OutputArrived;
        }
    }
    return WaitResult::ChildEnded;
}

void TerminateChild(const ChildProcess& child, std::uint32_t /*exitCode*/) {
    if (!IsHeld(child)) {
        return;
    }
    const auto pid = static_cast<pid_t>(child.processId);
    // While the child is not collected its pid, and so the group id it gave
    // its group, cannot belong to anyone else. The child itself is killed by
    // pid as well, in case it left its group.
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
}

ChildExit CollectChild(ChildProcess& child) {
    ChildExit result;
    if (IsHeld(child)) {
        int status = 0;
        pid_t got = 0;
        do {
            got = ::waitpid(static_cast<pid_t>(child.processId), &status, 0);
        } while (got < 0 && errno == EINTR);
        if (got > 0 && WIFEXITED(status)) {
            result.exited = true;
            result.code = WEXITSTATUS(status);
        }
    }
    CloseNativeHandle(child.process);
    CloseNativeHandle(child.thread);
    child = ChildProcess{};
    return result;
}

}  // namespace kestrum::platform
