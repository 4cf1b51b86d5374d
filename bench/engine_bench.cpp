// What the engine costs around an encoder: CPU while the encoder is silent,
// time per job for an encoder that exits at once, and the delay from the
// encoder writing a position line to its notice reaching the main thread.
// Each figure is a counter measured in one run of its benchmark.
#include <benchmark/benchmark.h>

#include <time.h>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/core/convert_process.h"
#include "convert/core/dispatched_notice_sink.h"
#include "convert/core/main_thread_queue.h"

namespace {

using namespace kestrum;
using Clock = std::chrono::steady_clock;

class NoPrompts final : public UserPrompts {
public:
    bool AskYesNo(Question, std::string_view) override { return true; }
    void ShowInformation(std::string_view) override {}
    void ShowError(std::string_view) override {}
};

std::string MakeFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/kestrum-bench-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    return pattern + "/";
}

// One runner on a queue serviced by this thread, as in kestrum-convert.
class Engine {
public:
    using OnProgress = std::function<void(const TProcessInfo&)>;

    ~Engine() { std::filesystem::remove_all(folder_); }

    // Runs one job to its finish notice.
    void Run(const std::string& encoder, const std::string& input, OnProgress onProgress = {}) {
        finished_ = false;
        onProgress_ = std::move(onProgress);
        process_.InputFile = input;
        process_.OutputFile = folder_ + "output.none";
        process_.NotifyWindow = &sink_;
        process_.Arguments.clear();
        process_.AnotherFFmpeg = encoder;
        process_.NotUseAnotherFFmpeg = false;
        process_.Running = true;
        process_.Start();
        while (!finished_) {
            queue_.WaitAndRun();
        }
    }

    // A script for the test encoder.
    std::string Script(const std::string& name, const std::string& lines) {
        std::ofstream(folder_ + name) << lines;
        return folder_ + name;
    }
    std::string Path(const std::string& name) const { return folder_ + name; }

private:
    std::string folder_ = MakeFolder();
    MainThreadQueue queue_;
    NoPrompts prompts_;
    bool finished_ = false;
    OnProgress onProgress_;
    DispatchedNoticeSink sink_{queue_, [this](std::unique_ptr<TProcessInfo> notice) {
                                   if (notice->Percent == kFinishPercent) {
                                       finished_ = true;
                                   } else if (onProgress_) {
                                       onProgress_(*notice);
                                   }
                               }};
    TConvertProcess process_{queue_, prompts_};
};

double ProcessCpuSeconds() {
    timespec cpu{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return static_cast<double>(cpu.tv_sec) + static_cast<double>(cpu.tv_nsec) * 1e-9;
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Our CPU time while the encoder prints nothing for 10 s, as a share of one
// core (target: at most 0.5 %).
void BM_IdleCost(benchmark::State& state) {
    Engine engine;
    const std::string script = engine.Script("silent", "sleep 10000\n");
    for (auto _ : state) {
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point start = Clock::now();
        engine.Run(KESTRUM_FAKE_ENCODER, script);
        state.counters["cpu_share_percent"] =
            100.0 * (ProcessCpuSeconds() - cpuBefore) / Seconds(Clock::now() - start);
    }
}
BENCHMARK(BM_IdleCost)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Wall time per job, start to finish notice, for an encoder that exits at
// once (target: at most 5 ms per job).
void BM_PerJobOverhead(benchmark::State& state) {
    constexpr int kJobs = 1000;
    Engine engine;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        for (int job = 0; job < kJobs; ++job) {
            engine.Run("/bin/true", engine.Path("input"));
        }
        state.counters["ms_per_job"] = 1000.0 * Seconds(Clock::now() - start) / kJobs;
    }
}
BENCHMARK(BM_PerJobOverhead)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// From the encoder writing a position line to the notice being handled on the
// main thread (target: 95th percentile at most 120 ms). The test encoder
// writes 100 lines 37 ms apart and notes the moment of each write.
void BM_ProgressLatency(benchmark::State& state) {
    constexpr int kLines = 100;
    Engine engine;
    const std::string stamps = engine.Path("stamps");
    const std::string script =
        engine.Script("timed", "err   Duration: 00:01:40.00, start: 0.000000\\n\ntimed " +
                                   std::to_string(kLines) + " 37 " + stamps + "\n");
    for (auto _ : state) {
        std::vector<long long> handled(kLines + 1, 0);
        engine.Run(KESTRUM_FAKE_ENCODER, script, [&](const TProcessInfo& notice) {
            handled[static_cast<std::size_t>(notice.Percent)] =
                std::chrono::duration_cast<std::chrono::nanoseconds>(
                    Clock::now().time_since_epoch())
                    .count();
        });
        std::ifstream in(stamps);
        std::vector<double> latencies;
        long long written = 0;
        for (std::size_t line = 1; in >> written && line < handled.size(); ++line) {
            if (handled[line] == 0) {
                state.SkipWithError("a position line gave no notice");
                return;
            }
            latencies.push_back(static_cast<double>(handled[line] - written) / 1e6);
        }
        std::sort(latencies.begin(), latencies.end());
        if (latencies.size() != kLines) {
            state.SkipWithError("the encoder's stamps are missing");
            return;
        }
        state.counters["p50_ms"] = latencies[kLines / 2];
        state.counters["p95_ms"] = latencies[kLines * 95 / 100];
        state.counters["max_ms"] = latencies.back();
    }
}
BENCHMARK(BM_ProgressLatency)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
