#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/core/encoder_probe.h"

namespace kestrum::test {

// The installed ffmpeg's answer, asked once for all jobs, with no cache of
// the user's touched.
const EncoderCapabilities& InstalledEncoder();

struct JobResult {
    bool converted = false;  // the finish notice said so: progress seen, exit status 0
    int progressNotices = 0;
    std::string messages;  // what the job showed the user (a refusal, an error)
};

// One job exactly as Convert runs it: a batch of one file on a runner of its
// own, which probes the installed ffmpeg and adapts the profile's arguments.
// `caption` is a catalogue caption or a manual command.
JobResult RunThroughEngine(std::string_view caption, const std::string& input,
                           const std::string& outputFolder);

// Runs `convert` for 0 .. count-1, two at a time (the machines have two
// cores), and returns its answers in that order.
std::vector<std::string> ConvertInPairs(std::size_t count,
                                        const std::function<std::string(std::size_t)>& convert);

}  // namespace kestrum::test
