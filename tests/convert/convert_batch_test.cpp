#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/core/error.h"
#include "convert/core/convert_batch.h"
#include "convert/engine_harness.h"
#include "platform/file_system.h"
#include "support/process_probe.h"

namespace kestrum {
namespace {

using namespace test;

constexpr const char* kConverts = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\n";
constexpr const char* kFails = "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\nexit 1\n";

// A batch on the harness's runner; the inputs are test encoder scripts.
class BatchTest : public ::testing::Test {
protected:
    BatchTest() {
        choices.OutputFolder = h.folder.Path() + "out";
        platform::ForceDirectories(choices.OutputFolder);
        choices.Profile = "WAV - Waveform Audio";
        choices.NotUseAnotherFFmpeg = false;
        choices.AnotherFFmpeg = KESTRUM_FAKE_ENCODER;
    }

    std::string Input(const std::string& name, const std::string& script) {
        return h.Script(name, script);
    }

    ConvertBatch& Begin(std::vector<std::string> files,
                        StartErrorPolicy onStartError = StartErrorPolicy::ShowAndGoOn,
                        const EncoderCapabilities& encoder = {}) {
        batch =
            std::make_unique<ConvertBatch>(std::vector<BatchRunner>{{*h.process, sink}}, h.prompts,
                                           view, std::move(files), choices, onStartError);
        batch->Begin(encoder);
        return *batch;
    }

    bool PumpUntilOver() {
        const auto deadline = MainThreadQueue::Clock::now() + 20s;
        while (batch->State() == BatchState::Running) {
            if (!h.queue.WaitAndRun(deadline)) {
                return false;
            }
        }
        return true;
    }

    EngineHarness h;
    BatchChoices choices;
    RecordingView view;
    std::unique_ptr<ConvertBatch> batch;
    // What leaves HandleNotice, as a window's error handler would see it.
    std::vector<std::string> raised;
    DispatchedNoticeSink sink{h.queue, [this](std::unique_ptr<TProcessInfo> notice) {
                                  try {
                                      batch->HandleNotice(0, std::move(notice));
                                  } catch (const Error& error) {
                                      raised.emplace_back(error.what());
                                  }
                              }};
};

TEST_F(BatchTest, ConvertsEachFileInTurnAndListsTheFailedOnes) {
    const std::string declined = Input("c.avi", kConverts);
    WriteFile(choices.OutputFolder + "/c.wav", "old");
    h.prompts.answer = false;
    Begin({Input("a.avi", kConverts), Input("b.avi", kFails), declined});
    ASSERT_TRUE(PumpUntilOver());

    EXPECT_EQ(batch->State(), BatchState::Finished);
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"1/3 started a.wav", "1/3 50%", "1/3 converted a.wav",
                                        "2/3 started b.wav", "2/3 50%", "2/3 failed b.avi",
                                        "3/3 started c.wav", "3/3 failed c.avi", "end"}));
    EXPECT_EQ(batch->FailedFiles(), "b.avi, c.avi, ");
    EXPECT_EQ(batch->FinalMessage(), "b.avi, c.avi, file conversion failed.");
    EXPECT_TRUE(h.prompts.shown.empty());
}

TEST_F(BatchTest, AllConvertedLeavesNoFinalMessage) {
    choices.SameAsInput = true;
    choices.OutputFolder = "/no/such/folder";
    Begin({Input("a.avi", kConverts)});
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(view.events[0], "1/1 started a.wav");
    EXPECT_EQ(h.process->OutputFile, h.folder.Path() + "a.wav");
    EXPECT_EQ(batch->FinalMessage(), "");
}

TEST_F(BatchTest, FilesThatCannotRunAreShownAndCountedAndTheBatchGoesOn) {
    const std::string locked = Input("locked.avi", kConverts);
    WriteFile(choices.OutputFolder + "/locked.wav", "old");
    ::chmod((choices.OutputFolder + "/locked.wav").c_str(), 0444);
    Begin({locked, Input("b.avi", kConverts)});
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(h.prompts.shown,
              std::vector<std::string>{choices.OutputFolder + "/locked.wav may be used, convert "
                                                              "process failed!"});

    // An encoder that cannot start: its error is shown, the file fails.
    const std::string encoder = h.Script("encoder", "");
    ::chmod(encoder.c_str(), 0644);
    choices.AnotherFFmpeg = encoder;
    h.prompts.shown.clear();
    view.events.clear();
    Begin({Input("x.avi", kConverts), Input("y.avi", kConverts)});
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(h.prompts.shown,
              (std::vector<std::string>{"Error while creating convert process!13",
                                        "Error while creating convert process!13"}));
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"1/2 failed x.avi", "2/2 failed y.avi", "end"}));
    EXPECT_EQ(batch->FinalMessage(), "x.avi, y.avi, file conversion failed.");
}

// The progress window's way: a start error goes to the caller, and the batch
// waits on that file, with nothing running, until it is stopped.
TEST_F(BatchTest, RaiseAndWaitLeavesStartErrorsToTheCallerUntilStop) {
    const std::string encoder = h.Script("encoder", "");
    ::chmod(encoder.c_str(), 0644);
    choices.AnotherFFmpeg = encoder;
    const std::string kept = Input("kept.avi", kConverts);
    WriteFile(choices.OutputFolder + "/kept.wav", "old");
    h.prompts.answer = false;
    const struct {
        const char* name;
        std::vector<std::string> files;
        bool beginRaises;
        std::vector<std::string> events;
        const char* failed;
    } cases[] = {
        {"the first file", {Input("a.avi", kConverts), Input("b.avi", kConverts)}, true, {}, ""},
        {"after a kept output",
         {kept, Input("b.avi", kConverts)},
         false,
         {"1/2 started kept.wav", "1/2 failed kept.avi"},
         "kept.avi, "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        view.events.clear();
        raised.clear();
        h.prompts.shown.clear();
        try {
            Begin(c.files, StartErrorPolicy::RaiseAndWait);
        } catch (const Error& error) {
            raised.emplace_back(error.what());
        }
        EXPECT_EQ(raised.empty(), !c.beginRaises);
        h.PumpFor(300ms);
        EXPECT_EQ(raised, std::vector<std::string>{"Error while creating convert process!13"});
        EXPECT_EQ(view.events, c.events) << "the window keeps what it showed";
        EXPECT_EQ(batch->State(), BatchState::Running) << "waiting";
        EXPECT_TRUE(h.prompts.shown.empty()) << "shown by the caller, not here";
        batch->Stop();
        EXPECT_EQ(batch->State(), BatchState::Stopped);
        EXPECT_FALSE(h.process->Running);
        EXPECT_EQ(batch->FailedFiles(), c.failed);
    }
}

TEST_F(BatchTest, StopEndsTheBatchWithoutListingTheStoppedFiles) {
    Begin({Input("a.avi", kConverts), Input("b.avi", "sleep 30000\n"), Input("c.avi", kConverts)});
    ASSERT_TRUE(Eventually([&] {
        h.queue.RunPending();
        return view.events.size() == 4;  // a started, 50%, converted; b started
    }));
    batch->Stop();
    EXPECT_EQ(batch->State(), BatchState::Stopped);
    EXPECT_FALSE(h.process->Running);
    h.PumpFor(200ms);
    EXPECT_EQ(view.events.back(), "2/3 started b.wav");
    EXPECT_EQ(batch->FinalMessage(), "");
}

TEST_F(BatchTest, ProfilesTheEncoderCannotDoFailWithoutRunning) {
    // A modern build whose encoder list lacks libx264: the H.264 profiles
    // cannot be adapted, the others run.
    const std::string encoder = h.folder / "modern-ffmpeg";
    WriteFile(encoder, "#!/bin/sh\ntouch \"$0.ran\"\nexit 1\n");
    ::chmod(encoder.c_str(), 0755);
    choices.AnotherFFmpeg = encoder;
    choices.Profile = "H.264 (*.mp4)";
    EncoderCapabilities modern;
    modern.modern = true;
    modern.encodersKnown = true;
    modern.encoders = {"aac", "mpeg4"};
    Begin({Input("a.avi", kConverts)}, StartErrorPolicy::ShowAndGoOn, modern);
    ASSERT_TRUE(PumpUntilOver());
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"1/1 started a.mp4", "1/1 failed a.avi", "end"}));
    EXPECT_EQ(
        h.prompts.shown,
        std::vector<std::string>{
            "H.264 (*.mp4) needs the H.264 encoder libx264, which this ffmpeg does not have."});
    EXPECT_EQ(batch->FinalMessage(), "a.avi, file conversion failed.");
    EXPECT_FALSE(platform::FileExists(encoder + ".ran")) << "the encoder never ran a job";
}

struct CheckCase {
    const char* name;
    bool sameAsInput;
    const char* folder;  // under the test's folder; "" for an empty text
    const char* profile;
    const char* encoder;  // "" for the bare name
    bool answer;
    BatchCheck result;
    bool asked;
    const char* shown;
};

TEST(BatchChecks, RunInOrderWithTheSystemsTexts) {
    const std::string missingEncoder = "/no/ffmpeg.exe";
    const CheckCase cases[] = {
        {"all fine", false, "present", "WAV - Waveform Audio", "", true, BatchCheck::Ready, false,
         ""},
        {"beside the inputs: folder not looked at", true, "missing", "WAV - Waveform Audio", "",
         false, BatchCheck::Ready, false, ""},
        {"missing folder declined", false, "missing", "WAV - Waveform Audio", "", false,
         BatchCheck::FolderDeclined, true, ""},
        {"missing folder created", false, "new/deep", "WAV - Waveform Audio", "", true,
         BatchCheck::Ready, true, ""},
        {"empty folder text", false, "", "WAV - Waveform Audio", "", true,
         BatchCheck::FolderNotCreated, true, ""},
        {"folder first, then the profile", false, "later", "", "", true, BatchCheck::NoProfile,
         true, "Please choose the output format!"},
        {"other encoder missing", false, "present", "WAV - Waveform Audio", "/no/ffmpeg.exe", true,
         BatchCheck::EncoderMissing, false, "/no/ffmpeg.exe. This FFmpeg.exe file does not exist."},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        platform::ForceDirectories(folder / "present");
        ScriptedPrompts prompts;
        prompts.answer = c.answer;
        const std::string outputFolder = c.folder[0] == '\0' ? "" : folder / c.folder;
        const BatchChoices choices{c.sameAsInput, outputFolder, c.profile, c.encoder[0] == '\0',
                                   c.encoder};
        EXPECT_EQ(CheckBeforeBatch(choices, prompts), c.result);
        ASSERT_EQ(prompts.asked.size(), c.asked ? 1U : 0U);
        if (c.asked) {
            EXPECT_EQ(prompts.asked[0].first, Question::CreateOutputFolder);
            EXPECT_EQ(prompts.asked[0].second,
                      outputFolder +
                          ", the output directory does not exist.\r\ncreates a new directory?");
            EXPECT_EQ(platform::DirectoryExists(outputFolder), c.answer && outputFolder.size() > 0);
        }
        EXPECT_EQ(prompts.shown.empty() ? "" : prompts.shown[0], std::string(c.shown));
    }
}

}  // namespace
}  // namespace kestrum
