#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <stdexcept>

#include "support/spawn_arguments.h"

namespace kestrum::test {

RunningProgram::RunningProgram(const std::vector<std::string>& argv,
                               const std::vector<std::string>& extraEnv) {
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
        ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    const std::vector<std::string> environment = EnvironmentWith(extraEnv);
    std::vector<char*> args = SpawnPointers(argv);
    std::vector<char*> envp = SpawnPointers(environment);
    const int spawned = ::posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    in_ = in[1];
    out_ = out[0];
    err_ = err[0];
    if (spawned != 0) {
        ::close(in_);
        ::close(out_);
        ::close(err_);
        throw std::runtime_error("cannot start " + argv[0]);
    }
}

RunningProgram::~RunningProgram() {
    if (pid_ != 0) {
        ::kill(pid_, SIGKILL);
        Finish();
    }
}

void RunningProgram::Signal(int signal) const {
    ::kill(pid_, signal);
}

ProgramResult RunningProgram::Finish(const std::string& input) {
    if (!input.empty()) {
        [[maybe_unused]] const ssize_t written = ::write(in_, input.data(), input.size());
    }
    ::close(in_);

    ProgramResult result;
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0 && errno != EINTR) {
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && fds[i].revents != 0) {
                char buffer[4096];
                const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) {
                    sinks[i]->append(buffer, static_cast<std::size_t>(n));
                } else {
                    ::close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
    }
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = 0;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& extraEnv, const std::string& input) {
    return RunningProgram(argv, extraEnv).Finish(input);
}

}  // namespace kestrum::test
