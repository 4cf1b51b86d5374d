#include <gtest/gtest.h>

#include <sys/stat.h>
#include <fstream>

#include "convert/core/encoder_probe_ahead.h"
#include "convert/core/main_thread_queue.h"
#include "support/process_probe.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

using namespace std::chrono_literals;

// Encoder scripts that answer the probe once a gate file exists, so that a
// test decides when an answer comes; each run is logged beside the script.
class ProbeAheadTest : public ::testing::Test {
protected:
    std::string Encoder(const std::string& name, const std::string& version) {
        const std::string path = folder_ / name;
        test::WriteFile(path,
                        "#!/bin/sh\necho $$ >> \"$0.runs\"\n"
                        "while [ ! -e \"$0.gate\" ]; do sleep 0.01; done\n"
                        "echo 'ffmpeg version " +
                            version + " Copyright' >&2\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    static void Open(const std::string& encoder) { test::WriteFile(encoder + ".gate", ""); }
    static int Runs(const std::string& encoder) {
        std::ifstream in(encoder + ".runs");
        int runs = 0;
        for (std::string line; std::getline(in, line);) {
            ++runs;
        }
        return runs;
    }
    // Services the queue until `done` holds.
    bool PumpUntil(const std::function<bool()>& done) {
        const auto deadline = MainThreadQueue::Clock::now() + 10s;
        while (!done()) {
            if (!queue_.WaitAndRun(deadline)) {
                return false;
            }
        }
        return true;
    }

    test::TempFolder folder_;
    MainThreadQueue queue_;
    EncoderProbe probe_{folder_ / "cache/", 10s};
};

TEST_F(ProbeAheadTest, AnswersOnTheMainThreadOnceAskedOnceForEveryone) {
    const std::string encoder = Encoder("ffmpeg", "5.1.2");
    EncoderProbeAhead ahead(probe_, queue_);
    std::vector<std::string> heard;
    ahead.Prepare(encoder);
    const auto first = ahead.Ask(encoder, [&](const EncoderCapabilities& answer) {
        heard.push_back(answer.modern ? "first: modern" : "first: old");
    });
    auto dropped =
        ahead.Ask(encoder, [&](const EncoderCapabilities&) { heard.push_back("dropped"); });
    const auto last =
        ahead.Ask(encoder, [&](const EncoderCapabilities&) { heard.push_back("last"); });
    dropped.reset();
    EXPECT_TRUE(heard.empty()) << "not answered yet";
    Open(encoder);
    ASSERT_TRUE(PumpUntil([&] { return heard.size() == 2; }));
    EXPECT_EQ(heard, (std::vector<std::string>{"first: modern", "last"}));
    EXPECT_EQ(Runs(encoder), 1) << "one question for every asker";

    // Known now: answered before Ask returns, without asking the program.
    bool answered = false;
    const auto known =
        ahead.Ask(encoder, [&](const EncoderCapabilities& a) { answered = a.modern; });
    EXPECT_TRUE(answered);
    EXPECT_EQ(Runs(encoder), 1);
}

TEST_F(ProbeAheadTest, AHangingProgramHoldsUpOnlyItsOwnAskers) {
    const std::string hanging = Encoder("hanging", "5.1.2");
    const std::string other = Encoder("other", "2.8.17");
    std::optional<bool> hangingModern, otherModern;
    {
        EncoderProbeAhead ahead(probe_, queue_);
        const auto waiting =
            ahead.Ask(hanging, [&](const EncoderCapabilities& a) { hangingModern = a.modern; });
        const auto answered =
            ahead.Ask(other, [&](const EncoderCapabilities& a) { otherModern = a.modern; });
        Open(other);
        ASSERT_TRUE(PumpUntil([&] { return otherModern.has_value(); }));
        EXPECT_FALSE(*otherModern);
        ASSERT_TRUE(test::Eventually([&] { return Runs(hanging) == 1; }));
        // Going away while the question is open: the program is killed and
        // collected, and nobody is answered afterwards.
    }
    std::ifstream runs(hanging + ".runs");
    pid_t pid = 0;
    runs >> pid;
    EXPECT_FALSE(test::ProcessExists(pid));
    Open(hanging);
    queue_.RunPending();
    EXPECT_FALSE(hangingModern);
    EXPECT_FALSE(probe_.Known(hanging)) << "a question stopped is no answer";
}

}  // namespace
}  // namespace kestrum
