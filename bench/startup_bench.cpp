// Start-up: from starting the program to its main window shown and drawn,
// offscreen, each run a new process; the median of 20 runs should stay at or
// under 150 ms. Each run also reports the process's peak resident memory.
//
// A run is this binary started again with --startup-child: it runs the
// program's own start (RunProgram), reports the moment the main window has
// been shown, and closes the window as a user would.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ui/main_window.h"
#include "app/ui/program_start.h"

extern char** environ;

namespace {

constexpr char kChildFlag[] = "--startup-child";

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int RunChild(int argc, char** argv, int reportFd) {
    return kestrum::RunProgram(argc, argv, [reportFd](kestrum::TfrmMain& window) {
        const std::int64_t shown = MonotonicNanoseconds();
        (void)!::write(reportFd, &shown, sizeof shown);
        ::close(reportFd);
        window.close();
    });
}

// A folder of its own for the runs' settings and running-copy files.
std::string MakePrivateFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrum-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

struct Run {
    double seconds = 0;
    double peakMiB = 0;
    bool ok = false;
};

Run StartOnce(const std::string& self, const std::vector<std::string>& environment) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const std::string fd = std::to_string(fds[1]);
    std::vector<char*> argv = {const_cast<char*>(self.c_str()), const_cast<char*>(kChildFlag),
                               const_cast<char*>(fd.c_str()), nullptr};
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    const std::int64_t started = MonotonicNanoseconds();
    const int spawned =
        ::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), envp.data());
    ::close(fds[1]);
    Run run;
    std::int64_t shown = 0;
    if (spawned == 0 && ::read(fds[0], &shown, sizeof shown) == sizeof shown) {
        run.seconds = static_cast<double>(shown - started) / 1e9;
        run.ok = true;
    }
    ::close(fds[0]);
    int status = 0;
    rusage usage{};
    if (spawned == 0 && ::wait4(pid, &status, 0, &usage) == pid) {
        run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
        run.ok = run.ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return run;
}

void BM_StartUpToMainWindowShown(benchmark::State& state) {
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string folder = MakePrivateFolder();
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string e = *entry;
        if (!e.starts_with("QT_QPA_PLATFORM=") && !e.starts_with("XDG_CONFIG_HOME=") &&
            !e.starts_with("XDG_RUNTIME_DIR=")) {
            environment.push_back(e);
        }
    }
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("XDG_CONFIG_HOME=" + folder);
    environment.push_back("XDG_RUNTIME_DIR=" + folder);
    for (auto _ : state) {
        const Run run = StartOnce(self, environment);
        if (!run.ok) {
            state.SkipWithError("the program did not start and end normally");
            break;
        }
        state.SetIterationTime(run.seconds);
        state.counters["peak_rss_MiB"] = run.peakMiB;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartUpToMainWindowShown)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) {
        const int reportFd = std::atoi(argv[2]);
        int childArgc = 1;
        return RunChild(childArgc, argv, reportFd);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
