#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include "convert/core/encoder_probe.h"
#include "expected_streams.h"
#include "platform/program_search.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

struct JobResult {
    bool ran = false;  // false when the job was refused before the encoder started
    int exitStatus = -1;
    std::string output;  // everything the encoder wrote, or the refusal
};

// One job as a batch runs it: the profile's arguments adapted for the probed
// encoder, the argv composed from the pieces, the encoder run without a shell.
JobResult RunOneJob(const std::string& ffmpeg, const EncoderCapabilities& build,
                    std::string_view caption, const std::string& input,
                    const std::string& outputFile) {
    const AdaptedArguments adapted =
        AdaptArguments(GetProfileArguments(caption), GetProfileExtension(caption), build);
    if (adapted.outcome == AdaptOutcome::NeedsLibx264) {
        return {false, -1, AdaptRefusalMessage(adapted.outcome, caption)};
    }
    CommandPieces pieces;
    pieces.InputFile = input;
    pieces.Arguments = adapted.arguments;
    pieces.OutputFile = outputFile;
    const test::ProgramResult r = test::RunProgram(BuildArgv(pieces, ffmpeg));
    return {true, r.exitStatus, r.out + r.err};
}

test::Streams ProbeStreams(const std::string& ffprobe, const std::string& file) {
    const test::ProgramResult r =
        test::RunProgram({ffprobe, "-v", "error", "-show_entries",
                          "format=format_name:format_tags=major_brand:stream=codec_type,codec_name",
                          "-of", "compact=p=0", file});
    return test::ParseProbedStreams(r.out);
}

class ProfileConversion : public ::testing::Test {
protected:
    void SetUp() override {
        ffmpeg_ = platform::FindProgram("ffmpeg");
        ffprobe_ = platform::FindProgram("ffprobe");
        ASSERT_FALSE(ffmpeg_.empty() || ffprobe_.empty()) << "ffmpeg and ffprobe are needed";
        // Two seconds of picture and 44.1 kHz sound, the most common audio rate.
        clip_ = folder_ / "clip with space $x.mkv";
        const test::ProgramResult r = test::RunProgram(
            {ffmpeg_, "-nostdin", "-v",   "error",
             "-f",    "lavfi",    "-i",   "testsrc=size=320x240:rate=25:duration=2",
             "-f",    "lavfi",    "-i",   "sine=frequency=440:sample_rate=44100:duration=2",
             "-ac",   "2",        "-c:v", "mpeg4",
             "-q:v",  "5",        "-c:a", "pcm_s16le",
             clip_});
        ASSERT_EQ(r.exitStatus, 0) << r.err;
    }

    std::vector<std::string> ConvertAll(const EncoderCapabilities& build);
    std::string ConvertOne(const EncoderCapabilities& build, const ProfileEntry& profile,
                           const std::string& folder);

    std::string ffmpeg_, ffprobe_, clip_;
    test::TempFolder folder_;
};

// Converts the clip with every profile, two jobs at a time (the machines
// have two cores); one failure text per profile, empty when it converted.
std::vector<std::string> ProfileConversion::ConvertAll(const EncoderCapabilities& build) {
    const auto profiles = AllProfiles();
    std::vector<std::string> failures(profiles.size());
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < profiles.size(); i = next++) {
            failures[i] = ConvertOne(build, profiles[i], folder_ / ("p" + std::to_string(i + 1)));
        }
    };
    std::thread second(worker);
    worker();
    second.join();
    return failures;
}

std::string ProfileConversion::ConvertOne(const EncoderCapabilities& build,
                                          const ProfileEntry& profile, const std::string& folder) {
    ::mkdir(folder.c_str(), 0700);
    const std::string output = OutputFileFor(clip_, false, folder, profile.extension);
    const JobResult job = RunOneJob(ffmpeg_, build, profile.caption, clip_, output);
    if (!job.ran || job.exitStatus != 0 || job.output.find("time=") == std::string::npos) {
        const std::size_t tail = std::min<std::size_t>(job.output.size(), 300);
        return "exit " + std::to_string(job.exitStatus) + ": " +
               job.output.substr(job.output.size() - tail);
    }
    const test::Streams probed = ProbeStreams(ffprobe_, output);
    const test::Streams expected = test::ExpectedStreams(profile);
    if (probed == expected) {
        return {};
    }
    return "holds " + probed.format + " " + probed.brand + " " + probed.video + " " + probed.audio +
           ", expected " + expected.format + " " + expected.brand + " " + expected.video + " " +
           expected.audio;
}

std::size_t CountConverted(const std::vector<std::string>& failures) {
    const std::size_t converted = static_cast<std::size_t>(
        std::count_if(failures.begin(), failures.end(), [](const auto& f) { return f.empty(); }));
    std::printf("%zu of %zu profiles converted\n", converted, failures.size());
    return converted;
}

TEST_F(ProfileConversion, EveryProfileConvertsWithTheInstalledEncoder) {
    const EncoderCapabilities build = ProbeEncoder(ffmpeg_);
    ASSERT_TRUE(build.modern);
    const std::vector<std::string> failures = ConvertAll(build);
    for (std::size_t i = 0; i < failures.size(); ++i) {
        EXPECT_EQ(failures[i], "") << AllProfiles()[i].caption;
    }
    EXPECT_EQ(CountConverted(failures), AllProfiles().size());
}

// The measure of what adapting is for: the catalogue's arguments handed to
// today's encoder unchanged. Run with --gtest_also_run_disabled_tests.
TEST_F(ProfileConversion, DISABLED_UnadaptedArgumentsForComparison) {
    const std::vector<std::string> failures = ConvertAll(EncoderCapabilities{});
    for (std::size_t i = 0; i < failures.size(); ++i) {
        if (failures[i].empty()) {
            std::printf("converts: %s\n", std::string(AllProfiles()[i].caption).c_str());
        }
    }
    EXPECT_LT(CountConverted(failures), AllProfiles().size());
}

}  // namespace
}  // namespace kestrum
