// A batch on several runners: files start in their order as runners come
// free, failures are listed in the batch's order, two files never write one
// place at once, and Stop ends every running job.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <random>

#include "convert/core/convert_batch.h"
#include "convert/engine_harness.h"
#include "platform/file_system.h"
#include "support/job_intervals.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

constexpr const char* kProgress = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\n";

class ParallelBatchTest : public ::testing::Test {
protected:
    ParallelBatchTest() {
        choices.OutputFolder = folder / "out";
        platform::ForceDirectories(choices.OutputFolder);
        choices.Profile = "WAV - Waveform Audio";
        choices.NotUseAnotherFFmpeg = false;
        choices.AnotherFFmpeg = KESTRUM_FAKE_ENCODER;
    }

    std::string Input(const std::string& name, const std::string& script) {
        WriteFile(folder / name, script);
        return folder / name;
    }

    ConvertBatch& Begin(int runners, std::vector<std::string> files) {
        std::vector<BatchRunner> places;
        for (int place = 0; place < runners; ++place) {
            sinks.push_back(std::make_unique<DispatchedNoticeSink>(
                queue, [this, place](std::unique_ptr<TProcessInfo> notice) {
                    batch->HandleNotice(static_cast<std::size_t>(place), std::move(notice));
                }));
            processes.push_back(std::make_unique<TConvertProcess>(queue, prompts));
            places.push_back({*processes.back(), *sinks.back()});
        }
        batch = std::make_unique<ConvertBatch>(std::move(places), prompts, view, std::move(files),
                                               choices);
        batch->Begin({});
        return *batch;
    }

    bool PumpUntilOver() {
        const auto deadline = MainThreadQueue::Clock::now() + 30s;
        while (batch->State() == BatchState::Running) {
            if (!queue.WaitAndRun(deadline)) {
                return false;
            }
        }
        return true;
    }

    std::vector<std::string> Events(const std::string& what) const {
        std::vector<std::string> matching;
        std::ranges::copy_if(view.events, std::back_inserter(matching), [&](const std::string& e) {
            return e.find(what) != std::string::npos;
        });
        return matching;
    }

    TempFolder folder;
    BatchChoices choices;
    MainThreadQueue queue;
    ScriptedPrompts prompts;
    RecordingView view;
    std::unique_ptr<ConvertBatch> batch;
    std::vector<std::unique_ptr<DispatchedNoticeSink>> sinks;
    // Last, so they go first: their end kills and collects what still runs.
    std::vector<std::unique_ptr<TConvertProcess>> processes;
};

TEST_F(ParallelBatchTest, SixFilesOnThreeRunnersStartInTheirOrder) {
    std::vector<std::string> files;
    for (int i = 0; i < 6; ++i) {
        const std::string name = std::string(1, static_cast<char>('a' + i));
        const int ms = 500 + 200 * ((i * 2) % 3);  // 500, 900, 700, 500, ...
        files.push_back(Input(
            name + ".avi",
            Stamped(folder / name, "sleep " + std::to_string(ms) + "\n" + kProgress) + "touch\n"));
    }
    Begin(3, files);
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(batch->State(), BatchState::Finished);
    EXPECT_EQ(
        Events("started"),
        (std::vector<std::string>{"1/6 started a.wav", "2/6 started b.wav", "3/6 started c.wav",
                                  "4/6 started d.wav", "5/6 started e.wav", "6/6 started f.wav"}));
    EXPECT_EQ(Events("converted").size(), 6U);
    EXPECT_EQ(view.events.back(), "end");
    EXPECT_EQ(batch->FinalMessage(), "");
    std::vector<JobInterval> ran;
    for (int i = 0; i < 6; ++i) {
        ran.push_back(StampedInterval(folder / std::string(1, static_cast<char>('a' + i))));
        EXPECT_NE(ran.back().end, 0);
    }
    EXPECT_EQ(MostAtOnce(ran), 3);
}

TEST_F(ParallelBatchTest, FailuresAreListedInTheBatchsOrder) {
    const std::string fails = std::string(kProgress) + "exit 1\n";
    Begin(2, {Input("a.avi", "sleep 1000\n" + fails), Input("b.avi", fails),
              Input("c.avi", std::string(kProgress) + "touch\n"), Input("d.avi", fails)});
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(Events("failed").size(), 3U);
    EXPECT_LT(std::ranges::find(view.events, "2/4 failed b.avi"),
              std::ranges::find(view.events, "1/4 failed a.avi"))
        << "the first file failed after the second";
    EXPECT_EQ(batch->FailedFiles(), "a.avi, b.avi, d.avi, ");
    EXPECT_EQ(batch->FinalMessage(), "a.avi, b.avi, d.avi, file conversion failed.");
}

// Two inputs that make one output: the second waits for the first and then
// meets the overwrite question like any existing output; the files after it
// wait their turn.
TEST_F(ParallelBatchTest, FilesMakingTheSameOutputRunOneAfterTheOther) {
    ::mkdir((folder / "one").c_str(), 0755);
    ::mkdir((folder / "two").c_str(), 0755);
    const std::string script = std::string(kProgress) + "touch\n";
    const std::string first = Input("one/x.avi", Stamped(folder / "first", "sleep 400\n" + script));
    const std::string second = Input("two/x.mkv", Stamped(folder / "second", script));
    for (const bool overwrite : {true, false}) {
        SCOPED_TRACE(overwrite);
        std::remove((choices.OutputFolder + "/x.wav").c_str());
        std::remove((choices.OutputFolder + "/y.wav").c_str());
        prompts.answer = overwrite;
        prompts.asked.clear();
        view.events.clear();
        Begin(3, {first, second, Input("y.avi", script)});
        ASSERT_TRUE(PumpUntilOver());
        ASSERT_EQ(prompts.asked.size(), 1U);
        EXPECT_EQ(prompts.asked[0].second, choices.OutputFolder + "/x.wav has existed,overite it?");
        EXPECT_EQ(Events("started").front(), "1/3 started x.wav");
        EXPECT_EQ(Events("started").at(1), "2/3 started x.wav");
        const auto firstDone = std::ranges::find(view.events, "1/3 converted x.wav");
        EXPECT_LT(firstDone, std::ranges::find(view.events, "2/3 started x.wav"));
        EXPECT_LT(firstDone, std::ranges::find(view.events, "3/3 started y.wav"));
        EXPECT_EQ(batch->FailedFiles(), overwrite ? "" : "x.mkv, ");
        if (overwrite) {
            EXPECT_GE(StampedInterval(folder / "second").start,
                      StampedInterval(folder / "first").end);
        }
        sinks.clear();
        processes.clear();
    }
}

TEST_F(ParallelBatchTest, StopEndsEveryRunningJobAndStartsNoOther) {
    std::vector<std::string> files;
    for (int i = 1; i <= 5; ++i) {
        files.push_back(
            Input(std::to_string(i) + ".avi",
                  "pid " + folder / std::to_string(i) + ".pid\n" + kProgress + "sleep 30000\n"));
    }
    Begin(3, files);
    std::vector<pid_t> running;
    ASSERT_TRUE(Eventually([&] {
        queue.RunPending();
        return Events("50%").size() == 3;
    }));
    for (int i = 1; i <= 3; ++i) {
        running.push_back(PidFromFile(folder / std::to_string(i) + ".pid"));
        ASSERT_NE(running.back(), 0);
    }
    batch->Stop();
    EXPECT_EQ(batch->State(), BatchState::Stopped);
    for (const auto& process : processes) {
        EXPECT_FALSE(process->Running);
    }
    for (const pid_t pid : running) {
        EXPECT_TRUE(Eventually([pid] { return !ProcessRunning(pid); })) << pid;
    }
    queue.RunPending();
    EXPECT_TRUE(Events("started 4").empty());
    EXPECT_FALSE(platform::FileExists(folder / "4.pid"));
    EXPECT_EQ(batch->FinalMessage(), "") << "stopped files are not failures";
}

// For ThreadSanitizer: four workers posting at once, notices of every kind,
// then a batch stopped while its jobs pour out progress.
TEST_F(ParallelBatchTest, FourRunnersUnderLoad) {
    std::mt19937 random(15);
    std::vector<std::string> files;
    std::string failing;
    for (int i = 0; i < 24; ++i) {
        const std::string name = "f" + std::to_string(i) + ".avi";
        std::string script = "err Duration: 00:00:10.00\\n\nrepeat " +
                             std::to_string(5 + random() % 20) + " " +
                             std::to_string(random() % 3) + " time=5.00\\n\n";
        if (i % 5 == 2) {
            script += "exit 1\n";
            failing += name + ", ";
        }
        files.push_back(Input(name, script));
    }
    Begin(4, files);
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(batch->FailedFiles(), failing);
    EXPECT_EQ(Events("started").size(), 24U);

    sinks.clear();
    processes.clear();
    view.events.clear();
    std::vector<std::string> endless;
    for (int i = 0; i < 8; ++i) {
        endless.push_back(Input("e" + std::to_string(i) + ".avi",
                                "err Duration: 00:00:10.00\\n\nrepeat 100000 1 time=5.00\\n\n"));
    }
    Begin(4, endless);
    ASSERT_TRUE(Eventually([&] {
        queue.RunPending();
        return Events("50%").size() > 40;
    }));
    batch->Stop();
    processes.clear();  // waits for every worker to leave
    queue.RunPending();
    EXPECT_EQ(batch->State(), BatchState::Stopped);
}

TEST(SameFilePlace, SpellingsOfOnePlace) {
    TempFolder folder;
    ::mkdir((folder / "sub").c_str(), 0755);
    ::symlink((folder / "sub").c_str(), (folder / "link").c_str());
    WriteFile(folder / "sub/file", "");
    ::link((folder / "sub/file").c_str(), (folder / "hard").c_str());
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {folder / "sub/new.wav", folder / "sub/new.wav", true},
        {folder / "sub/new.wav", folder / "sub/./new.wav", true},
        {folder / "sub/new.wav", folder / "sub//new.wav", true},
        {folder / "sub/new.wav", folder / "link/new.wav", true},
        {folder / "sub/new.wav", folder / "link/../sub/new.wav", true},
        {folder / "sub/file", folder / "hard", true},
        {folder / "sub/new.wav", folder / "sub/New.wav", false},
        {folder / "sub/new.wav", folder / "new.wav", false},
        {folder / "none/new.wav", folder / "none/./new.wav", false},  // no folder to compare
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::SameFilePlace(c.a, c.b), c.same) << c.a << " " << c.b;
    }
}

}  // namespace
}  // namespace kestrum
