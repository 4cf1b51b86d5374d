#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <sstream>

#include "app/core/error.h"
#include "convert/engine_harness.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

constexpr const char* kDuration =
    "err   Duration: 00:00:10.00, start: 0.000000, bitrate: 1411 kb/s\\n\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct VerdictCase {
    const char* name;
    std::string script;
    const char* elapsedText;  // of the finish notice
    std::vector<int> percents;
};

// How a job ends decides whether it counts as converted: a position line AND
// the encoder's own success.
TEST(ConvertProcess, FinishNoticeSaysWhetherTheFileWasConverted) {
    const std::string progress = std::string(kDuration) + "err frame=1 time=5.00 bitrate=1\\n\n";
    const VerdictCase cases[] = {
        {"progress and status 0", progress + "exit 0\n", "some", {50}},
        {"status 1 after progress", progress + "exit 1\n", "", {50}},
        {"crash after progress", progress + "crash\n", "", {50}},
        {"no position line", std::string(kDuration) + "exit 0\n", "", {}},
        {"clock-form position",
         std::string(kDuration) + "err time=00:00:03.00\\n\nexit 0\n",
         "some",
         {30}},
        // Written in the last moment before the exit: found by the drain.
        {"output just before exit",
         "sleep 200\n" + std::string(kDuration) + "err time=10.00\\n\nexit 0\n",
         "some",
         {100}},
        {"lone carriage returns",
         std::string(kDuration) + "err time=2.00\\rtime=4.00\\rtime=6.00\\r\n",
         "some",
         {20, 40, 60}},
        {"NUL ends a chunk's text",
         std::string(kDuration) + "err time=2.00\\n\\0time=4.00\\n\n",
         "some",
         {20}},
        {"standard input at its end at once", "stdin\n" + progress, "some", {50}},
        // The encoder writes a line in pieces; reads in between must not cut it.
        {"lines written in pieces",
         "err Duration: \nsleep 50\nerr 00:00:10.00, start: 0\\n\nerr time=\nsleep 50\n"
         "err 4.00 bitrate=1\\r\nerr time=8.00\n",
         "some",
         {40, 80}},
    };
    for (const VerdictCase& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h;
        h.StartScript("job", c.script);
        ASSERT_TRUE(h.PumpUntilFinished());
        EXPECT_EQ(h.Finish()->ElapsedText, c.elapsedText);
        EXPECT_EQ(h.Finish()->Status, 0);
        EXPECT_EQ(h.Finish()->EstimatedText, "");
        std::vector<int> percents;
        for (const TProcessInfo& notice : h.Progress()) {
            percents.push_back(notice.Percent);
            EXPECT_EQ(notice.ElapsedText, "00:00");
        }
        EXPECT_EQ(percents, c.percents);
        EXPECT_EQ(h.process->ChildProcessId(), 0U);
    }
}

TEST(ConvertProcess, ExistingOutputIsAskedAbout) {
    struct Case {
        const char* name;
        bool answer;
        mode_t mode;  // of the existing output
        int status;
        bool runs;
    };
    const Case cases[] = {
        {"answered No", false, 0644, 0, false},
        {"answered Yes but read-only", true, 0444, 2, false},
        {"answered Yes", true, 0644, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EngineHarness h;
        h.prompts.answer = c.answer;
        h.Prepare("job",
                  std::string("args ") + h.Path("args") + "\n" + kDuration + "err time=5.00\\n\n");
        WriteFile(h.process->OutputFile, "old");
        ::chmod(h.process->OutputFile.c_str(), c.mode);
        h.process->Start();
        ASSERT_TRUE(h.PumpUntilFinished());

        ASSERT_EQ(h.prompts.asked.size(), 1U);
        EXPECT_EQ(h.prompts.asked[0].first, Question::Overwrite);
        EXPECT_EQ(h.prompts.asked[0].second, h.process->OutputFile + " has existed,overite it?");
        EXPECT_EQ(h.Finish()->Status, c.status);
        EXPECT_EQ(h.Finish()->ElapsedText, c.runs ? "some" : "");
        EXPECT_EQ(h.calls.posted.load() > 0, c.runs);
        if (c.runs) {
            const std::vector<std::string> args = Lines(ReadFile(h.Path("args")));
            EXPECT_EQ(args, (std::vector<std::string>{KESTRUM_FAKE_ENCODER, "-y", "-i",
                                                      h.process->InputFile, "-f", "fake",
                                                      h.process->OutputFile}));
        }
    }
}

// The question is modal: the user may press Stop while it is open.
TEST(ConvertProcess, StopWhileTheQuestionIsOpenStartsNothing) {
    EngineHarness h;
    h.Prepare("job", std::string("pid ") + h.Path("pid") + "\n");
    WriteFile(h.process->OutputFile, "old");
    h.prompts.whileAsking = [&] { h.process->Stop(0); };
    h.process->Start();
    h.PumpFor(200ms);
    EXPECT_TRUE(h.notices.empty());
    EXPECT_EQ(h.calls.posted.load(), 0);
    EXPECT_EQ(PidFromFile(h.Path("pid"), 0ms), 0);
}

TEST(ConvertProcess, NoQuestionAndNoOverwriteOptionForANewOutput) {
    EngineHarness h;
    h.StartScript("job", std::string("args ") + h.Path("args") + "\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_TRUE(h.prompts.asked.empty());
    EXPECT_EQ(Lines(ReadFile(h.Path("args")))[1], "-i");
}

TEST(ConvertProcess, OutputThatIsItsInputNeverRuns) {
    EngineHarness h;
    h.Prepare("job", "touch\n");
    h.process->OutputFile = h.process->InputFile;
    h.process->Start();
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->Status, static_cast<int>(FinishStatus::OutputIsInput));
    EXPECT_EQ(h.Finish()->ElapsedText, "");
    EXPECT_TRUE(h.prompts.asked.empty());
    EXPECT_EQ(ReadFile(h.process->InputFile), "touch\n");
    EXPECT_EQ(FinishMessage(FinishStatus::OutputIsInput, {"/a/in.wav", "/a/in.wav", "WAV"}),
              "/a/in.wav is the input file itself, convert process failed!");
    EXPECT_EQ(FinishMessage(FinishStatus::OutputInUse, {"/a/in.avi", "/b/o.wav", "WAV"}),
              "/b/o.wav may be used, convert process failed!");
}

TEST(ConvertProcess, ProgramThatCannotStartRaisesWithTheSystemCode) {
    EngineHarness h;
    const std::string notExecutable = h.Script("not-executable", "exit 0\n");
    ::chmod(notExecutable.c_str(), 0644);
    const std::pair<std::string, std::string> cases[] = {
        {h.Path("missing"), "Error while creating convert process!2"},
        {notExecutable, "Error while creating convert process!13"},
    };
    for (const auto& [program, text] : cases) {
        h.Prepare("job", "exit 0\n");
        h.process->AnotherFFmpeg = program;
        try {
            h.process->Start();
            ADD_FAILURE() << "no error for " << program;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), text);
        }
    }
    // The bare name, with no encoder beside us or on the search path.
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", h.folder.Path().c_str(), 1);
    h.process->NotUseAnotherFFmpeg = true;
    EXPECT_THROW(h.process->Start(), Error);
    ::setenv("PATH", path.c_str(), 1);
    h.PumpFor(50ms);
    EXPECT_EQ(h.Finish(), nullptr);
    EXPECT_EQ(h.calls.posted.load(), 0);
}

// The encoder gets our three pipes and nothing else, and a process group of
// its own, even when the program holds a descriptor open across exec.
TEST(ConvertProcess, EncoderGetsOnlyItsPipesAndItsOwnGroup) {
    EngineHarness h;
    const int leaked = ::open("/dev/null", O_RDONLY);  // no O_CLOEXEC on purpose
    h.StartScript("job", "fds " + h.Path("fds") + "\npid " + h.Path("pid") + "\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    ::close(leaked);
    EXPECT_EQ(ReadFile(h.Path("fds")), "0\n1\n2\n");
    std::istringstream ids(ReadFile(h.Path("pid")));
    pid_t pid = 0, group = 0;
    ids >> pid >> group;
    EXPECT_EQ(pid, group);
    EXPECT_NE(group, ::getpgrp());
    EXPECT_FALSE(ProcessExists(pid)) << "collected";
}

// A silent encoder costs waits, not calls: the only call is the finish.
TEST(ConvertProcess, SilentEncoderIsWaitedOnNotRead) {
    EngineHarness h;
    h.StartScript("job", "sleep 700\n");
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.calls.posted.load(), 1);
    EXPECT_EQ(h.Finish()->ElapsedText, "");
}

TEST(ConvertProcess, FloodOfOutputIsReadToTheEnd) {
    EngineHarness h;
    h.StartScript("job", std::string(kDuration) + "flood 104857600\nerr time=10.00\\n\nexit 0\n");
    ASSERT_TRUE(h.PumpUntilFinished(120s));
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    ASSERT_FALSE(h.Progress().empty());
    EXPECT_EQ(h.Progress().back().Percent, 100);
}

}  // namespace
}  // namespace kestrum
