#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdlib>
#include <sstream>

#include "app/core/error.h"
#include "convert/engine_harness.h"
#include "support/process_probe.h"
#include "support/scoped_environment.h"

namespace kestrum {
namespace {

using namespace test;

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

TEST(ConvertProcess, ProgramThatCannotStartRaisesWithTheSystemCode) {
    EngineHarness h;
    const std::string notExecutable = h.Script("not-executable", "exit 0\n");
    ::chmod(notExecutable.c_str(), 0644);
    const std::pair<std::string, std::string> cases[] = {
        {h.Path("missing"), "Error while creating convert process!2"},
        {notExecutable, "Error while creating convert process!13"},
    };
    for (const auto& [program, text] : cases) {
        EXPECT_EQ(h.StartError(program), text);
    }
    // The bare name, with no encoder beside us or on the search path.
    {
        const test::ScopedEnvironment path("PATH", h.folder.Path());
        h.process->NotUseAnotherFFmpeg = true;
        EXPECT_THROW(h.process->Start(), Error);
    }
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

}  // namespace
}  // namespace kestrum
