// kestrum-convert around the encoder against the encoder alone: the same argv
// converting a 20-second generated clip, alternately, nine times each. The
// figure is the ratio of the median wall times (target: at most 1.01).
// Each run of kestrum-convert first asks the encoder what build it is (two
// short runs of it, at the same time); probe_s is the median time of that
// question, and ratio_after_probe the ratio without it, which is what a
// second batch in the same run of the program costs.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/core/encoder_probe.h"
#include "platform/program_search.h"
#include "profiles/core/command_line.h"
#include "profiles/core/profile_catalogue.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kProfile = "MPEG-1 (*.mpg)";

// Runs argv with its outputs thrown away; the exit status.
int RunQuietly(const std::vector<std::string>& argv, const std::vector<std::string>& extraEnv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> environment(extraEnv);
    for (char** e = environ; *e != nullptr; ++e) {
        environment.emplace_back(*e);
    }
    std::vector<char*> args, envp;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    for (const std::string& e : environment) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

double TimedRun(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                const std::string& output) {
    std::filesystem::remove(output);
    const Clock::time_point start = Clock::now();
    if (RunQuietly(argv, env) != 0) {
        throw std::runtime_error(argv[0] + " failed");
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The encoder question as a fresh run of the program asks it.
double TimedProbe(const std::string& ffmpeg) {
    kestrum::EncoderProbe probe;
    const Clock::time_point start = Clock::now();
    if (!probe.Probe(ffmpeg).modern) {
        throw std::runtime_error(ffmpeg + " did not answer the probe");
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BM_ConverterOverEncoder(benchmark::State& state) {
    const std::string folder =
        std::filesystem::temp_directory_path().string() + "/kestrum-overhead/";
    std::filesystem::create_directories(folder + "out");
    const std::string ffmpeg = kestrum::platform::FindProgram("ffmpeg");
    const std::string clip = folder + "clip.avi";
    RunQuietly({ffmpeg, "-y", "-f", "lavfi", "-i", "testsrc=duration=20:size=1280x720:rate=25",
                "-f", "lavfi", "-i", "sine=frequency=440:duration=20", "-c:v", "mpeg4", "-c:a",
                "pcm_s16le", clip},
               {});
    const std::string output = folder + "out/clip.mpg";
    const kestrum::CommandPieces pieces{
        true, "", false, clip, kestrum::GetProfileArguments(kProfile), output};
    const std::vector<std::string> direct = kestrum::BuildArgv(pieces, ffmpeg);
    const std::vector<std::string> converter{KESTRUM_CONVERT_PATH, "--profile",    kProfile,
                                             "--output-folder",    folder + "out", clip};
    const std::vector<std::string> settings{"XDG_CONFIG_HOME=" + folder + "config"};

    for (auto _ : state) {
        std::vector<double> directTimes, converterTimes, probeTimes;
        for (int run = 0; run < 9; ++run) {
            directTimes.push_back(TimedRun(direct, {}, output));
            converterTimes.push_back(TimedRun(converter, settings, output));
            probeTimes.push_back(TimedProbe(ffmpeg));
        }
        const double encoderSeconds = Median(directTimes);
        const double converterSeconds = Median(converterTimes);
        const double probeSeconds = Median(probeTimes);
        state.counters["encoder_s"] = encoderSeconds;
        state.counters["converter_s"] = converterSeconds;
        state.counters["probe_s"] = probeSeconds;
        state.counters["ratio"] = converterSeconds / encoderSeconds;
        state.counters["ratio_after_probe"] = (converterSeconds - probeSeconds) / encoderSeconds;
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ConverterOverEncoder)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
