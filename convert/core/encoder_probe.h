#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "platform/capture_output.h"
#include "profiles/core/argument_adapter.h"

namespace kestrum {

inline constexpr std::chrono::milliseconds kEncoderProbeTimeout{5000};

// Reads the answers of an encoder program to "-hide_banner -version" and
// "-hide_banner -encoders". A build is modern when its version is 3.0 or
// later, a git build ("N-..."), or unreadable while its encoder list answers.
EncoderCapabilities ReadProbeAnswers(const platform::CapturedOutput& version,
                                     const platform::CapturedOutput& encoders);

// Asks encoder programs what they are, once per program for the run of ours:
// the answer is kept per path, size and modification time, so a replaced
// program is asked again. A program that is missing, hangs or fails the probe
// counts as an old build, whose arguments run unchanged. Safe to call from
// several threads.
class EncoderProbe {
public:
    explicit EncoderProbe(std::chrono::milliseconds timeout = kEncoderProbeTimeout)
        : timeout_(timeout) {}

    EncoderCapabilities Probe(const std::string& programPath);

private:
    using Key = std::tuple<std::string, std::uint64_t, std::int64_t>;

    EncoderCapabilities Ask(const std::string& programPath) const;

    std::chrono::milliseconds timeout_;
    std::mutex mutex_;
    std::map<Key, EncoderCapabilities> answers_;
};

// The encoder a job runs: the bare name as the program search finds it, or
// the other encoder copy's path as it is.
std::string EncoderProgram(bool notUseAnotherFFmpeg, const std::string& anotherFFmpeg);

// The program's one probe, shared by every batch.
EncoderCapabilities ProbeEncoder(const std::string& programPath);

}  // namespace kestrum
