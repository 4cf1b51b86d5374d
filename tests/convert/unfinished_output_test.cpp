#include <gtest/gtest.h>

#include <regex>

#include "convert/core/partial_output.h"
#include "convert/engine_harness.h"
#include "platform/file_system.h"
#include "platform/path_rules.h"
#include "support/process_probe.h"

// The encoder writes a file of its own, which takes the output's name only
// when the job converted: every other end leaves no output under that name,
// no unfinished file, and an existing output as it was. The same on every
// system; tests/win32 and convert_process_test.cpp hold what differs.
namespace kestrum {
namespace {

using namespace test;

const std::string kSeparator(1, platform::kPreferredSeparator);

TEST(PartialOutput, NameKeepsTheOutputsFolderAndExtension) {
    const struct {
        std::string output;
        bool withName;
        std::string partial;
    } cases[] = {
        {"out" + kSeparator + "my clip.mp3", true, "out" + kSeparator + "my clip.partial-3f9c.mp3"},
        {"out" + kSeparator + "clip.part1.mp3", true,
         "out" + kSeparator + "clip.part1.partial-3f9c.mp3"},
        {"a.b" + kSeparator + "clip", true, "a.b" + kSeparator + "clip.partial-3f9c"},
        {"clip.avi", true, "clip.partial-3f9c.avi"},
        {"out" + kSeparator + "very long name.mp3", false,
         "out" + kSeparator + ".partial-3f9c.mp3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PartialOutputName(c.output, "3f9c", c.withName), c.partial) << c.output;
    }
}

// The unfinished files in the harness's folder.
std::vector<std::string> Partials(const EngineHarness& h) {
    std::vector<std::string> found;
    for (const std::string& name : FolderEntries(h.folder.Path())) {
        if (name.find(".partial-") != std::string::npos) {
            found.push_back(name);
        }
    }
    return found;
}

// What an earlier conversion left: bytes a text mode would change.
const std::string kOld("old\r\n\0\x1a output", 15);
const std::string kProgress = std::string(kDuration) + "err frame=1 time=5.00 bitrate=1\\n\n";

enum class End { Finish, Stop, DestroyRunner };

TEST(UnfinishedOutput, LeavesNoFileAndTheOldOutputAsItWas) {
    const struct {
        const char* name;
        std::string script;
        End end;
    } cases[] = {
        {"status 1 after progress", "write 100000\n" + kProgress + "exit 1\n", End::Finish},
        {"crash after progress", "write 100000\n" + kProgress + "crash\n", End::Finish},
        {"disk full", "limit-file-size 65536\n" + kProgress + "write 1000000\nexit 0\n",
         End::Finish},
        {"no position line", "write 100000\nexit 0\n", End::Finish},
        {"stopped", "write 100000\n" + kProgress + "sleep 30000\n", End::Stop},
        {"runner destroyed", "write 100000\n" + kProgress + "sleep 30000\n", End::DestroyRunner},
    };
    for (const auto& c : cases) {
        for (const bool existed : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (existed ? ", over an existing output" : ""));
            EngineHarness h;
            h.Prepare("job", c.script);
            const std::string output = h.process->OutputFile;
            if (existed) {
                WriteFile(output, kOld);
            }
            h.process->Start();
            if (c.end == End::Finish) {
                ASSERT_TRUE(h.PumpUntilFinished());
                EXPECT_EQ(h.Finish()->ElapsedText, "");
                EXPECT_EQ(h.Finish()->Status, 0);
                EXPECT_TRUE(Partials(h).empty()) << "gone before the finish notice";
            } else {
                ASSERT_TRUE(Eventually([&] {
                    h.PumpFor(10ms);
                    return !h.Progress().empty();
                }));
                if (c.end == End::Stop) {
                    h.process->Stop(0);
                } else {
                    h.process.reset();
                    EXPECT_TRUE(Partials(h).empty()) << "gone before the runner";
                }
                EXPECT_TRUE(Eventually([&] { return Partials(h).empty(); }));
                EXPECT_EQ(h.Finish(), nullptr);
            }
            EXPECT_EQ(platform::FileExists(output), existed);
            if (existed) {
                EXPECT_EQ(ReadFile(output), kOld);
            }
        }
    }
}

TEST(UnfinishedOutput, ConvertedFileTakesTheOutputsName) {
    for (const bool existed : {false, true}) {
        SCOPED_TRACE(existed ? "over an existing output" : "new output");
        EngineHarness h;
        h.Prepare("job", "args " + h.Path("args") + "\nwrite 200000\n" + kProgress);
        if (existed) {
            WriteFile(h.process->OutputFile, kOld);
        }
        h.process->Start();
        ASSERT_TRUE(h.PumpUntilFinished());
        EXPECT_EQ(h.Finish()->ElapsedText, "some");
        EXPECT_EQ(ReadFile(h.process->OutputFile), std::string(200000, 'w'));
        EXPECT_TRUE(Partials(h).empty());
        // The encoder wrote a file of its own beside the output, which was
        // ours before it started: so always "-y".
        const std::vector<std::string> args = Lines(ReadFile(h.Path("args")));
        ASSERT_EQ(args.size(), 7U);
        EXPECT_EQ(std::vector<std::string>(args.begin(), args.end() - 1),
                  (std::vector<std::string>{KESTRUM_FAKE_ENCODER, "-y", "-i", h.process->InputFile,
                                            "-f", "fake"}));
        EXPECT_EQ(args.back(), h.process->PartialFile());
        EXPECT_TRUE(std::regex_match(args.back().substr(h.folder.Path().size()),
                                     std::regex(R"(job\.partial-[0-9a-f]{4}\.out)")))
            << args.back();
    }
}

// Two jobs for one output at the same time (two runners) write two files.
TEST(UnfinishedOutput, EveryRunningJobHasAFileOfItsOwn) {
    EngineHarness h;
    TConvertProcess second(h.calls, h.prompts);
    h.Prepare("job", "write 10\nsleep 300\n" + kProgress);
    second.InputFile = h.process->InputFile;
    second.OutputFile = h.process->OutputFile;
    second.NotifyWindow = &h.sink;
    second.Arguments = h.process->Arguments;
    second.AnotherFFmpeg = h.process->AnotherFFmpeg;
    second.NotUseAnotherFFmpeg = false;
    second.Running = true;
    h.process->Start();
    second.Start();
    EXPECT_NE(h.process->PartialFile(), second.PartialFile());
    EXPECT_EQ(Partials(h).size(), 2U);
    ASSERT_TRUE(Eventually([&] {
        h.PumpFor(10ms);
        return h.notices.size() >= 2 && Partials(h).empty();
    }));
    EXPECT_EQ(ReadFile(h.process->OutputFile), std::string(10, 'w'));
}

// The whole file cannot take the output's name: a folder has it, or a file
// that appeared while the encoder worked (which nobody agreed to replace).
// The job fails with a message that names both, and leaves no file behind.
TEST(UnfinishedOutput, RenameThatFailsNamesBothFiles) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "a file that appeared meanwhile");
        EngineHarness h;
        h.Prepare("job", "sleep 300\nwrite 1000\n" + kProgress);
        const std::string output = h.process->OutputFile;
        if (folder) {
            ASSERT_TRUE(platform::ForceDirectories(output));
        }
        h.process->Start();
        if (!folder) {
            WriteFile(output, kOld);
        }
        ASSERT_TRUE(h.PumpUntilFinished());
        EXPECT_TRUE(h.prompts.asked.empty());
        EXPECT_EQ(h.Finish()->ElapsedText, "");
        EXPECT_EQ(h.Finish()->Status, static_cast<int>(FinishStatus::OutputNotReplaced));
        EXPECT_NE(h.process->FailureCode(), 0);
        EXPECT_TRUE(Partials(h).empty());
        if (folder) {
            EXPECT_TRUE(platform::DirectoryExists(output));
        } else {
            EXPECT_EQ(ReadFile(output), kOld);
        }
        const std::string partial = h.process->PartialFile();
        EXPECT_EQ(partial.substr(0, h.folder.Path().size() + 12), h.folder.Path() + "job.partial-");
        EXPECT_EQ(
            FinishMessage(FinishStatus::OutputNotReplaced,
                          {h.process->InputFile, output, "WAV", partial, h.process->FailureCode()}),
            partial + " could not be renamed to " + output + ", convert process failed!" +
                std::to_string(h.process->FailureCode()));
    }
}

// Nowhere to write the file (the output's folder has gone): nothing runs.
TEST(UnfinishedOutput, FileThatCannotBeMadeEndsTheJobBeforeItRuns) {
    EngineHarness h;
    h.Prepare("job", "write 1000\n" + kProgress);
    h.process->OutputFile = h.Path("gone" + kSeparator + "job.out");
    h.process->Start();
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->ElapsedText, "");
    EXPECT_EQ(h.Finish()->Status, static_cast<int>(FinishStatus::PartialNotCreated));
    EXPECT_EQ(h.calls.posted.load(), 0);
    EXPECT_NE(h.process->FailureCode(), 0);
    EXPECT_EQ(FinishMessage(FinishStatus::PartialNotCreated,
                            {h.process->InputFile, h.process->OutputFile, "WAV",
                             h.process->PartialFile(), h.process->FailureCode()}),
              h.process->PartialFile() + " could not be created, convert process failed!" +
                  std::to_string(h.process->FailureCode()));
}

}  // namespace
}  // namespace kestrum
