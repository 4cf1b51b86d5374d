// From starting the program to its main window on the screen of a real X
// server (an Xvfb of the benchmark's own), against a minimal Qt Widgets
// program with the same Qt, one after the other, round after round:
//
// - mapped: the window is mapped, which is what polling for a visible window
//   finds; ratio_mapped, the median of the rounds' ratios, should be at most
//   1.05;
// - drawn: the program has drawn into it for the first time (DAMAGE);
// - peak memory of each, in MiB.
//
// Each run is a new process with settings, cache and running-copy place of
// its own kind; the window is closed as a window manager's close button
// does. KESTRUM_BENCH_ROUNDS sets how many rounds (default 15).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/timed_run.h"
#include "bench/x_window_watch.h"

extern char** environ;

namespace {

using namespace kestrum::bench;

int Rounds() {
    const char* rounds = std::getenv("KESTRUM_BENCH_ROUNDS");
    return rounds != nullptr && std::atoi(rounds) > 0 ? std::atoi(rounds) : 15;
}

// An Xvfb on a display it chooses itself, for as long as this lives.
class VirtualDisplay {
public:
    VirtualDisplay() {
        int fds[2];
        if (::pipe(fds) != 0) {
            throw std::runtime_error("no pipe");
        }
        const std::string fd = std::to_string(fds[1]);
        std::vector<std::string> argv{"/usr/bin/Xvfb", "-displayfd", fd,   "-screen", "0",
                                      "1280x1024x24",  "-nolisten",  "tcp"};
        std::vector<char*> args;
        for (std::string& a : argv) {
            args.push_back(a.data());
        }
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int error = ::posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        char number[16] = {};
        const ssize_t got = error == 0 ? ::read(fds[0], number, sizeof number - 1) : -1;
        ::close(fds[0]);
        if (got <= 0) {
            throw std::runtime_error("Xvfb did not start (install xvfb)");
        }
        name_ = ":" + std::to_string(std::atoi(number));
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Name() const { return name_; }

private:
    pid_t pid_ = 0;
    std::string name_;
};

struct Start {
    double mappedMs = 0;
    double drawnMs = 0;
    double peakMiB = 0;
};

// One kind of program started, shown and closed again and again.
class Contender {
public:
    Contender(std::string program, const std::string& folder, const std::string& display)
        : program_(std::move(program)) {
        const std::string own = folder + std::filesystem::path(program_).filename().string();
        std::filesystem::create_directories(own + "/runtime");
        ::chmod((own + "/runtime").c_str(), 0700);
        environment_ = EnvironmentWith(
            {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "XDG_CONFIG_HOME=" + own + "/config",
             "XDG_CACHE_HOME=" + own + "/cache", "XDG_RUNTIME_DIR=" + own + "/runtime"});
        std::erase_if(environment_,
                      [](const std::string& e) { return e.starts_with("WAYLAND_DISPLAY="); });
    }

    Start Once(XWindowWatch& watch) const {
        const Clock::time_point started = Clock::now();
        const pid_t pid = StartQuietly({program_}, environment_);
        XWindowWatch::Shown shown;
        if (!watch.WaitForWindow(std::chrono::seconds(20), shown)) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            throw std::runtime_error(program_ + " showed no window");
        }
        watch.Close(shown.window);
        const RunCost cost = WaitForEnd(pid, started, program_);
        return {std::chrono::duration<double, std::milli>(shown.mapped - started).count(),
                std::chrono::duration<double, std::milli>(shown.drawn - started).count(),
                cost.peakMiB};
    }

private:
    std::string program_;
    std::vector<std::string> environment_;
};

void BM_StartToVisibleWindow(benchmark::State& state) {
    const VirtualDisplay display;
    XWindowWatch watch(display.Name());
    const std::string folder = MakeBenchFolder("window-startup");
    const Contender ours(KESTRUM_PROGRAM, folder, display.Name());
    const Contender minimal(KESTRUM_MINIMAL_WINDOW, folder, display.Name());
    ours.Once(watch);  // warm-up: files in the page cache, the encoder's answer in ours' cache
    minimal.Once(watch);
    for (auto _ : state) {
        std::vector<double> oursMapped, minimalMapped, oursDrawn, minimalDrawn, ratioMapped,
            ratioDrawn, oursPeak, minimalPeak;
        for (int round = 0; round < Rounds(); ++round) {
            const Start a = ours.Once(watch);
            const Start b = minimal.Once(watch);
            oursMapped.push_back(a.mappedMs);
            minimalMapped.push_back(b.mappedMs);
            oursDrawn.push_back(a.drawnMs);
            minimalDrawn.push_back(b.drawnMs);
            ratioMapped.push_back(a.mappedMs / b.mappedMs);
            ratioDrawn.push_back(a.drawnMs / b.drawnMs);
            oursPeak.push_back(a.peakMiB);
            minimalPeak.push_back(b.peakMiB);
        }
        state.counters["ours_mapped_ms"] = Median(oursMapped);
        state.counters["minimal_mapped_ms"] = Median(minimalMapped);
        state.counters["ratio_mapped"] = Median(ratioMapped);
        state.counters["ours_drawn_ms"] = Median(oursDrawn);
        state.counters["minimal_drawn_ms"] = Median(minimalDrawn);
        state.counters["ratio_drawn"] = Median(ratioDrawn);
        state.counters["ours_peak_MiB"] = Median(oursPeak);
        state.counters["minimal_peak_MiB"] = Median(minimalPeak);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_StartToVisibleWindow)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
