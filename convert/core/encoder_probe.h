#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>

#include "convert/core/encoder_probe_cache.h"
#include "platform/capture_output.h"
#include "platform/file_system.h"
#include "platform/user_folders.h"
#include "profiles/core/argument_adapter.h"

namespace kestrum {

inline constexpr std::chrono::milliseconds kEncoderProbeTimeout{5000};

// The question an encoder program is asked: one run of "-encoders", which
// prints the version banner on standard error and the encoder list on
// standard output.
inline constexpr const char* kProbeQuestion = "-encoders";

// Reads the answer to the question. A build is modern when its version is
// 3.0 or later, a git build ("N-..."), or unreadable while its encoder list
// answers.
EncoderCapabilities ReadProbeAnswer(const platform::CapturedOutput& answer);

// Asks encoder programs what they are, once per program file: the answer is
// kept per program identity (path, size, modification time, file number) for
// the run of ours, and in the cache folder for later runs, so only a replaced
// program is asked again. A program that is missing, hangs or fails the probe
// counts as an old build, whose arguments run unchanged; such an answer is
// kept for this run only. Safe to call from several threads.
class EncoderProbe {
public:
    // An empty folder keeps no answer on disk.
    explicit EncoderProbe(std::string cacheFolder = platform::ProgramCacheFolder(),
                          std::chrono::milliseconds timeout = kEncoderProbeTimeout);

    // What is known of the program without running it. A program that is not
    // there is known at once: nothing can be asked, and a job cannot start it.
    std::optional<EncoderCapabilities> Known(const std::string& programPath);

    // Known, or else asks the program and keeps its answer; nothing only when
    // `stop` ended the question first.
    std::optional<EncoderCapabilities> Probe(const std::string& programPath,
                                             std::stop_token stop = {});

private:
    std::optional<EncoderCapabilities> Remembered(const platform::FileIdentity& program);

    EncoderProbeCache cache_;
    std::chrono::milliseconds timeout_;
    std::mutex mutex_;
    std::map<platform::FileIdentity, EncoderCapabilities> answers_;
};

// The encoder a job runs: the bare name as the program search finds it, or
// the other encoder copy's path as it is.
std::string EncoderProgram(bool notUseAnotherFFmpeg, const std::string& anotherFFmpeg);

// The program's one probe, shared by every batch and front end.
EncoderProbe& SharedEncoderProbe();

// Asks the shared probe and waits for the answer.
EncoderCapabilities ProbeEncoder(const std::string& programPath);

}  // namespace kestrum
