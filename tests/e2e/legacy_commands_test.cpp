#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "convert/core/encoder_probe.h"
#include "engine_job.h"
#include "expected_streams.h"
#include "platform/program_search.h"
#include "support/media_clip.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

// One manual command of the old guides and what its output must hold.
struct LegacyCommand {
    std::string arguments, extension;
    test::Streams expected;  // the brand is not checked
    std::string size;        // "320x240", empty without video
};

std::vector<LegacyCommand> ReadCorpus() {
    std::ifstream file(std::string(KESTRUM_TEST_DATA) + "/legacy_commands.tsv");
    std::vector<LegacyCommand> commands;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with('#')) {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');) {
            fields.push_back(field);
        }
        fields.resize(6);
        commands.push_back(
            {fields[0], fields[1], {fields[2], "", fields[3], fields[4]}, fields[5]});
    }
    return commands;
}

// The streams of a file, and the size of its first picture.
std::pair<test::Streams, std::string> Probe(const std::string& file) {
    const test::ProgramResult r =
        test::RunProgram({platform::FindProgram("ffprobe"), "-v", "error", "-show_entries",
                          "format=format_name:stream=codec_type,codec_name,width,height", "-of",
                          "compact=p=0", file});
    const std::size_t width = r.out.find("|width=");
    std::string size;
    if (width != std::string::npos) {
        const std::size_t height = r.out.find("|height=", width);
        size = r.out.substr(width + 7, height - width - 7) + "x" +
               r.out.substr(height + 8, r.out.find_first_of("|\n", height + 8) - height - 8);
    }
    return {test::ParseProbedStreams(r.out), size};
}

std::string Describe(const test::Streams& streams, const std::string& size) {
    return streams.format + " " + streams.video + " " + streams.audio + " " + size;
}

// Each command, typed into the manual conversion dialog, converts a clip
// with the installed ffmpeg into what it asked for.
TEST(LegacyCommands, EveryCommandOfTheOldGuidesConverts) {
    ASSERT_TRUE(ProbeEncoder(platform::FindProgram("ffmpeg")).modern);
    const std::vector<LegacyCommand> corpus = ReadCorpus();
    ASSERT_GE(corpus.size(), 60U);
    test::TempFolder folder;
    const std::string clip = folder / "old clip.avi";
    test::MakeClip(clip, 1);

    const std::vector<std::string> failures =
        test::ConvertInPairs(corpus.size(), [&](std::size_t i) -> std::string {
            const LegacyCommand& command = corpus[i];
            const std::string out = folder / ("c" + std::to_string(i + 1));
            ::mkdir(out.c_str(), 0700);
            const std::string manual =
                "ffmpeg -i %1 " + command.arguments + " %1." + command.extension;
            const test::JobResult job = test::RunThroughEngine(manual, clip, out);
            // A clip of one second may end before the encoder reports a
            // whole second, so it need not show progress; it must convert.
            if (!job.converted) {
                return "not converted: " + job.messages;
            }
            const auto [probed, size] = Probe(out + "/old clip." + command.extension);
            const test::Streams held{probed.format, "", probed.video, probed.audio};
            if (held == command.expected && size == command.size) {
                return {};
            }
            return "holds " + Describe(held, size) + ", expected " +
                   Describe(command.expected, command.size);
        });
    std::size_t converted = 0;
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        EXPECT_EQ(failures[i], "") << corpus[i].arguments << " (" << corpus[i].extension << ")";
        converted += failures[i].empty() ? 1 : 0;
    }
    std::printf("%zu of %zu legacy commands converted\n", converted, corpus.size());
}

}  // namespace
}  // namespace kestrum
