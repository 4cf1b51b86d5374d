// The encoder's build is asked in the background: an encoder that hangs when
// asked never freezes a window, and Convert... converts with another encoder
// chosen meanwhile.
#include <sys/stat.h>

#include <QApplication>
#include <QTest>

#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "app/ui/use_another_ffmpeg.h"
#include "convert/ui/progress_window.h"
#include "platform/file_system.h"
#include "skin/ui/button.h"
#include "skin/ui/check_box.h"
#include "skin/ui/edit.h"
#include "support/process_probe.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using namespace test;

class EncoderProbeWindowTest : public WindowsTest {
protected:
    // Runs the event loop until `condition` holds.
    static bool Until(const std::function<bool()>& condition) {
        return Eventually([&] {
            QApplication::processEvents();
            return condition();
        });
    }
};

TEST_F(EncoderProbeWindowTest, AHangingEncoderNeverFreezesTheWindow) {
    const std::string hanging = work_ / "hanging ffmpeg";
    WriteFile(hanging,
              "#!/bin/sh\n"
              "if [ \"$1\" = -encoders ]; then echo $$ > \"$0.asked\"; exec sleep 60; fi\n"
              "touch \"$0.ran\"\n");
    ::chmod(hanging.c_str(), 0755);
    const std::string out = work_ / "out";
    platform::ForceDirectories(out);
    StoreSettings("[Options]\nOutputDirectory=" + out +
                  "\nOutputFormat=WAV - Waveform Audio\nAnotherFFmpeg=" + hanging +
                  "\nNotUseAnotherFFmpeg=0\n");
    const std::string input = work_ / "a.avi";
    WriteFile(input, "err Duration: 00:00:10.00\\n\nerr time=5.00\\n\ntouch\n");
    dialogs_.filesAnswer = {ToQString(input)};

    auto window = std::make_unique<TfrmMain>();
    window->show();
    // Asked once the window is up, while its event loop runs on.
    pid_t asked = 0;
    ASSERT_TRUE(Until([&] { return (asked = PidFromFile(hanging + ".asked", {})) != 0; }));

    // Convert... waits for the answer in the progress window, where Stop works.
    bool stopped = false;
    auto stop = RunEvery(5, [&] {
        TfrmConvert* progress = window->findChild<TfrmConvert*>();
        if (progress == nullptr || !progress->isVisible()) {
            return false;
        }
        QTest::mouseClick(progress->bStop, Qt::LeftButton);
        stopped = true;
        return true;
    });
    window->bConvert->Click();
    EXPECT_TRUE(stopped);
    EXPECT_FALSE(platform::FileExists(hanging + ".ran")) << "no job ran without the answer";

    // Another encoder, chosen in the dialog, is asked at once and converts.
    WhenModalOpens([&](QDialog& dialog) {
        auto& use = dynamic_cast<TfrmUseFFmpeg&>(dialog);
        use.Edit1->setText(KESTRUM_FAKE_ENCODER);
        use.cbNotUseAnother->SetChecked(false);
        QTest::mouseClick(use.bOK, Qt::LeftButton);
    });
    window->UseanotherFFMpeg1Click();
    window->bConvert->Click();
    EXPECT_TRUE(platform::FileExists(out + "/a.wav"));
    EXPECT_TRUE(dialogs_.messages.empty());

    const bool askedAllAlong = ProcessRunning(asked);
    window.reset();
    EXPECT_FALSE(ProcessExists(asked)) << "the question goes with the window";
    if (!askedAllAlong) {
        GTEST_SKIP() << "too slow a machine: the question timed out before the test was done";
    }
}

}  // namespace
}  // namespace kestrum
