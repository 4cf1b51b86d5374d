#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <cstdio>

#include "convert/core/encoder_probe.h"
#include "engine_job.h"
#include "expected_streams.h"
#include "platform/program_search.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

// The catalogue's arguments handed to ffmpeg exactly as written, as an
// encoder of about 2010 would get them: the measure of what adapting is for.
bool ConvertsUnadapted(const std::string& ffmpeg, std::string_view caption,
                       const std::string& input, const std::string& outputFile) {
    CommandPieces pieces;
    pieces.InputFile = input;
    pieces.Arguments = GetProfileArguments(caption);
    pieces.OutputFile = outputFile;
    const test::ProgramResult r = test::RunProgram(BuildArgv(pieces, ffmpeg));
    return r.exitStatus == 0 && r.err.find("time=") != std::string::npos;
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

    // One failure text per profile, empty when it converted.
    std::vector<std::string> ConvertAll(bool adapted);
    std::string ConvertOne(bool adapted, const ProfileEntry& profile, const std::string& folder);

    std::string ffmpeg_, ffprobe_, clip_;
    test::TempFolder folder_;
};

// Converts the clip with every profile; one failure text per profile, empty
// when it converted.
std::vector<std::string> ProfileConversion::ConvertAll(bool adapted) {
    const auto profiles = AllProfiles();
    return test::ConvertInPairs(profiles.size(), [&](std::size_t i) {
        return ConvertOne(adapted, profiles[i], folder_ / ("p" + std::to_string(i + 1)));
    });
}

std::string ProfileConversion::ConvertOne(bool adapted, const ProfileEntry& profile,
                                          const std::string& folder) {
    ::mkdir(folder.c_str(), 0700);
    const std::string output = OutputFileFor(clip_, false, folder, profile.extension);
    if (!adapted) {
        return ConvertsUnadapted(ffmpeg_, profile.caption, clip_, output) ? "" : "failed";
    }
    const test::JobResult job = test::RunThroughEngine(profile.caption, clip_, folder);
    if (!job.converted || job.progressNotices == 0) {
        return "not converted (" + std::to_string(job.progressNotices) +
               " progress notices): " + job.messages;
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
    ASSERT_TRUE(test::InstalledEncoder().modern);
    const std::vector<std::string> failures = ConvertAll(true);
    for (std::size_t i = 0; i < failures.size(); ++i) {
        EXPECT_EQ(failures[i], "") << AllProfiles()[i].caption;
    }
    EXPECT_EQ(CountConverted(failures), AllProfiles().size());
}

// The measure of what adapting is for: the catalogue's arguments handed to
// today's encoder unchanged. Run with --gtest_also_run_disabled_tests.
TEST_F(ProfileConversion, DISABLED_UnadaptedArgumentsForComparison) {
    const std::vector<std::string> failures = ConvertAll(false);
    for (std::size_t i = 0; i < failures.size(); ++i) {
        if (failures[i].empty()) {
            std::printf("converts: %s\n", std::string(AllProfiles()[i].caption).c_str());
        }
    }
    EXPECT_LT(CountConverted(failures), AllProfiles().size());
}

}  // namespace
}  // namespace kestrum
