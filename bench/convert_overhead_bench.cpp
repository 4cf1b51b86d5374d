// kestrum-convert around Debian's ffmpeg against the same ffmpeg commands run
// directly, whole processes side by side: each round runs every contender
// once, in turn, and the figures are medians over the rounds.
//
// - BM_OneSongToMp3: one 10-second WAV to "MP3 - MPEG Layer-3 Audio", after
//   one warm-up run that leaves the encoder's answer in the cache; the wall
//   ratio should be at most 1.05. cpu_ratio compares processor time. Ratios
//   are medians of the ratios within each round.
// - BM_ClipToMpeg1: a 20-second 640x480 clip to "MPEG-1 (*.mpg)"; at most 1.02.
// - BM_EightSongsInABatch: eight 10-second WAVs to MP3 with --jobs 2 and with
//   --jobs 1, against the eight ffmpeg commands run one after the other:
//   ratio_jobs2 at most 0.60 on a 2-core machine, ratio_jobs1 at most 1.03.
//
// KESTRUM_BENCH_ROUNDS sets how many rounds (default 11).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/timed_run.h"
#include "convert/core/encoder_probe.h"
#include "platform/program_search.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace {

using namespace kestrum;
using namespace kestrum::bench;

constexpr const char* kMp3 = "MP3 - MPEG Layer-3 Audio";
constexpr const char* kMpeg1 = "MPEG-1 (*.mpg)";

int Rounds() {
    const char* rounds = std::getenv("KESTRUM_BENCH_ROUNDS");
    return rounds != nullptr && std::atoi(rounds) > 0 ? std::atoi(rounds) : 11;
}

// Inputs made with ffmpeg, outputs removed before every run, and the
// commands of both contenders.
class Workbench {
public:
    Workbench() : folder_(MakeBenchFolder("overhead")), ffmpeg_(platform::FindProgram("ffmpeg")) {
        std::filesystem::create_directories(folder_ + "out");
        // Our settings and our cache: the encoder's answer is kept after the first run.
        environment_ = EnvironmentWith(
            {"XDG_CONFIG_HOME=" + folder_ + "config", "XDG_CACHE_HOME=" + folder_ + "cache"});
        encoder_ = EncoderProbe("").Probe(ffmpeg_).value_or(EncoderCapabilities{});
    }
    ~Workbench() { std::filesystem::remove_all(folder_); }

    std::string Song(const std::string& name) {
        const std::string path = folder_ + name + ".wav";
        RunTimed({ffmpeg_, "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=10", "-ac", "2",
                  "-ar", "44100", path});
        return path;
    }
    std::string Clip(const std::string& name) {
        const std::string path = folder_ + name + ".avi";
        RunTimed({ffmpeg_, "-y", "-f", "lavfi", "-i", "testsrc=duration=20:size=640x480:rate=25",
                  "-f", "lavfi", "-i", "sine=frequency=440:duration=20", "-c:v", "mpeg4", "-c:a",
                  "pcm_s16le", path});
        return path;
    }

    // What kestrum-convert runs for the input, run directly.
    std::vector<std::string> Direct(const std::string& profile, const std::string& input) {
        const std::string extension = GetProfileExtension(profile);
        const AdaptedArguments adapted =
            AdaptArguments(GetProfileArguments(profile), extension, encoder_);
        const std::string arguments = adapted.outcome == AdaptOutcome::Adapted
                                          ? adapted.arguments
                                          : GetProfileArguments(profile);
        outputs_.push_back(OutputFileFor(input, false, folder_ + "out", extension));
        return BuildArgv({true, "", false, input, arguments, outputs_.back()}, ffmpeg_);
    }
    std::vector<std::string> Converter(const std::string& profile,
                                       const std::vector<std::string>& inputs, int jobs = 1) {
        std::vector<std::string> argv{KESTRUM_CONVERT_PATH, "--jobs", std::to_string(jobs),
                                      "--profile",          profile,  "--output-folder",
                                      folder_ + "out"};
        argv.insert(argv.end(), inputs.begin(), inputs.end());
        return argv;
    }

    RunCost Run(const std::vector<std::vector<std::string>>& commands) {
        for (const std::string& output : outputs_) {
            std::filesystem::remove(output);
        }
        RunCost total;
        for (const auto& argv : commands) {
            const RunCost cost = RunTimed(argv, environment_);
            total.wallSeconds += cost.wallSeconds;
            total.cpuSeconds += cost.cpuSeconds;
        }
        return total;
    }

private:
    std::string folder_;
    std::string ffmpeg_;
    std::vector<std::string> environment_;
    EncoderCapabilities encoder_;
    std::vector<std::string> outputs_;
};

// What the contenders cost, round after round in turn: the median wall and
// processor times of each, and of each the median of its ratios to the
// first contender in the same round, which a load that changes between
// rounds leaves alone.
struct SideBySide {
    std::vector<RunCost> medians;
    std::vector<double> ratios;
    std::vector<double> cpuRatios;
};

SideBySide RunSideBySide(Workbench& bench,
                         const std::vector<std::vector<std::vector<std::string>>>& contenders) {
    const std::size_t count = contenders.size();
    std::vector<std::vector<double>> wall(count), cpu(count), ratios(count), cpuRatios(count);
    for (int round = 0; round < Rounds(); ++round) {
        for (std::size_t i = 0; i < count; ++i) {
            const RunCost cost = bench.Run(contenders[i]);
            wall[i].push_back(cost.wallSeconds);
            cpu[i].push_back(cost.cpuSeconds);
            ratios[i].push_back(cost.wallSeconds / wall[0].back());
            cpuRatios[i].push_back(cost.cpuSeconds / cpu[0].back());
        }
    }
    SideBySide result;
    for (std::size_t i = 0; i < count; ++i) {
        result.medians.push_back({Median(wall[i]), Median(cpu[i]), 0});
        result.ratios.push_back(Median(ratios[i]));
        result.cpuRatios.push_back(Median(cpuRatios[i]));
    }
    return result;
}

void ReportPair(benchmark::State& state, const SideBySide& run) {
    state.counters["encoder_s"] = run.medians[0].wallSeconds;
    state.counters["converter_s"] = run.medians[1].wallSeconds;
    state.counters["ratio"] = run.ratios[1];
    state.counters["cpu_ratio"] = run.cpuRatios[1];
}

void BM_OneSongToMp3(benchmark::State& state) {
    Workbench bench;
    const std::string song = bench.Song("song");
    const auto direct = bench.Direct(kMp3, song);
    const auto converter = bench.Converter(kMp3, {song});
    bench.Run({converter});  // the warm-up: the encoder's answer goes into the cache
    for (auto _ : state) {
        ReportPair(state, RunSideBySide(bench, {{direct}, {converter}}));
    }
}
BENCHMARK(BM_OneSongToMp3)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_ClipToMpeg1(benchmark::State& state) {
    Workbench bench;
    const std::string clip = bench.Clip("clip");
    const auto direct = bench.Direct(kMpeg1, clip);
    const auto converter = bench.Converter(kMpeg1, {clip});
    bench.Run({converter});
    for (auto _ : state) {
        ReportPair(state, RunSideBySide(bench, {{direct}, {converter}}));
    }
}
BENCHMARK(BM_ClipToMpeg1)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

void BM_EightSongsInABatch(benchmark::State& state) {
    Workbench bench;
    std::vector<std::string> songs;
    std::vector<std::vector<std::string>> oneAfterTheOther;
    for (int i = 1; i <= 8; ++i) {
        songs.push_back(bench.Song("song" + std::to_string(i)));
        oneAfterTheOther.push_back(bench.Direct(kMp3, songs.back()));
    }
    const auto twoAtATime = bench.Converter(kMp3, songs, 2);
    const auto oneAtATime = bench.Converter(kMp3, songs, 1);
    bench.Run({oneAtATime});
    for (auto _ : state) {
        const SideBySide run = RunSideBySide(bench, {oneAfterTheOther, {twoAtATime}, {oneAtATime}});
        state.counters["encoder_s"] = run.medians[0].wallSeconds;
        state.counters["jobs2_s"] = run.medians[1].wallSeconds;
        state.counters["jobs1_s"] = run.medians[2].wallSeconds;
        state.counters["ratio_jobs2"] = run.ratios[1];
        state.counters["ratio_jobs1"] = run.ratios[2];
        state.counters["cpu_ratio_jobs1"] = run.cpuRatios[2];
    }
}
BENCHMARK(BM_EightSongsInABatch)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
