// Parser throughput on a recorded stream of real encoder output (ffmpeg 5.1
// converting a generated clip, progress every 20 ms), fed in the chunk sizes
// a pipe read typically returns.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "convert/core/progress_parser.h"

namespace {

std::string RecordedStream() {
    std::ifstream in(KESTRUM_BENCH_DATA "/ffmpeg5_progress.txt", std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    if (content.str().empty()) {
        throw std::runtime_error("recorded encoder output is missing");
    }
    return content.str();
}

void BM_ParseRecordedOutput(benchmark::State& state) {
    const std::string stream = RecordedStream();
    const auto chunkSize = static_cast<std::size_t>(state.range(0));
    std::size_t notices = 0;
    for (auto _ : state) {
        kestrum::ProgressJobState job;
        for (std::size_t at = 0; at < stream.size(); at += chunkSize) {
            notices +=
                kestrum::ParseOutput(std::string_view(stream).substr(at, chunkSize), job, 1.0)
                    .size();
        }
    }
    benchmark::DoNotOptimize(notices);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_ParseRecordedOutput)->Arg(128)->Arg(4096)->Arg(65536);

}  // namespace

BENCHMARK_MAIN();
