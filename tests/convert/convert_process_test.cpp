#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

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
                                                      h.process->PartialFile()}));
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

const std::string kConverts =
    std::string(kDuration) + "err frame=1 time=5.00 bitrate=1\\n\n" + "write 1000\n";

// Someone reading the output all through a job that replaces it finds the
// old file or the whole new one, never a missing or half-written file.
TEST(ConvertProcess, OverwriteReplacesTheOutputInOneStep) {
    EngineHarness h;
    std::string script = std::string(kDuration) + "err time=5.00\\n\n";
    for (int i = 0; i < 10; ++i) {
        script += "write 50000\nsleep 20\n";
    }
    h.Prepare("job", script);
    const std::string output = h.process->OutputFile;
    const std::string kOld = "old";
    const std::string kNew(500000, 'w');
    WriteFile(output, kOld);

    std::atomic<bool> over{false};
    std::vector<std::string> odd;
    int reads = 0;
    std::thread reader([&] {
        while (!over.load()) {
            const std::string seen = ReadFile(output);
            if (seen != kOld && seen != kNew) {
                odd.push_back(seen.size() > 20 ? std::to_string(seen.size()) + " bytes" : seen);
            }
            ++reads;
        }
    });
    h.process->Start();
    const bool finished = h.PumpUntilFinished();
    over.store(true);
    reader.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    EXPECT_EQ(ReadFile(output), kNew);
    EXPECT_GT(reads, 10);
    EXPECT_TRUE(odd.empty()) << odd.size() << " odd reads, the first: " << odd.front();
}

// The new file keeps what the user gave the old one: its permissions, and a
// symbolic link in the output's place still points to the replaced file.
TEST(ConvertProcess, ReplacedOutputKeepsItsPermissionsAndLinks) {
    EngineHarness h;
    h.Prepare("job", kConverts);
    WriteFile(h.process->OutputFile, "old");
    ::chmod(h.process->OutputFile.c_str(), 0640);
    h.process->Start();
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    struct stat st {};
    ASSERT_EQ(::stat(h.process->OutputFile.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640U);

    EngineHarness linked;
    linked.Prepare("job", kConverts);
    ::mkdir(linked.Path("elsewhere").c_str(), 0755);
    const std::string target = linked.Path("elsewhere/real.out");
    WriteFile(target, "old");
    ASSERT_EQ(::symlink(target.c_str(), linked.process->OutputFile.c_str()), 0);
    linked.process->Start();
    ASSERT_TRUE(linked.PumpUntilFinished());
    EXPECT_EQ(linked.Finish()->ElapsedText, "some");
    ASSERT_EQ(::lstat(linked.process->OutputFile.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFile(target), std::string(1000, 'w'));
    EXPECT_EQ(FolderEntries(linked.Path("elsewhere")), std::vector<std::string>{"real.out"});
}

// An output name with no room left for more: the file the encoder writes
// goes without the name, still beside the output and with its extension.
TEST(ConvertProcess, OutputNameTooLongForMoreGetsAShortPartialName) {
    EngineHarness h;
    h.Prepare("job", "args " + h.Path("args") + "\n" + kConverts);
    h.process->OutputFile = h.Path(std::string(250, 'n') + ".out");
    h.process->Start();
    ASSERT_TRUE(h.PumpUntilFinished());
    EXPECT_EQ(h.Finish()->ElapsedText, "some");
    EXPECT_EQ(ReadFile(h.process->OutputFile), std::string(1000, 'w'));
    const std::string partial = Lines(ReadFile(h.Path("args"))).back();
    EXPECT_TRUE(std::regex_match(partial.substr(h.folder.Path().size()),
                                 std::regex(R"(\.partial-[0-9a-f]{4}\.out)")))
        << partial;
}

}  // namespace
}  // namespace kestrum
