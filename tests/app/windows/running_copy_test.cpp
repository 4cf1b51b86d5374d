// One running copy per user and desktop session, with real processes of the
// program: this test process plays the first copy where it has to be watched.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <optional>

#include "app/ui/main_window.h"
#include "app/ui/running_copy.h"
#include "support/process_probe.h"
#include "support/run_program.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using test::Eventually;
using test::ProcessRunning;
using test::ProgramResult;
using test::RunningProgram;
using test::ScopedEnvironment;
using test::TempFolder;
using test::WindowsTest;

// The copies meet in a runtime folder of this test, in a session of its own;
// the program's copies inherit the environment.
class RunningCopyTest : public WindowsTest {
protected:
    RunningCopyTest() { place_ = *FindRunningCopyPlace(); }

    // Runs the event loop until `condition` holds (at most 10 s).
    static bool Until(const std::function<bool()>& condition) {
        return Eventually([&] {
            QApplication::processEvents();
            return condition();
        });
    }

    // A later copy of the program, with settings of its own to show that it
    // never reads them; its exit status once it has ended.
    ProgramResult StartSecondCopy() {
        RunningProgram second({KESTRUM_PROGRAM}, {"XDG_CONFIG_HOME=" + secondConfig_.Path()});
        EXPECT_TRUE(Until([&] { return !ProcessRunning(second.Pid()); }))
            << "the second copy keeps running";
        return second.Finish();
    }

    bool SecondCopyReadSettings() const {
        return std::filesystem::exists(secondConfig_.Path() + "Kestrum");
    }

    TempFolder runtime_;
    TempFolder secondConfig_;
    RunningCopyPlace place_;

private:
    ScopedEnvironment session_[4] = {
        {"XDG_RUNTIME_DIR", runtime_.Path().substr(0, runtime_.Path().size() - 1)},
        {"XDG_SESSION_ID", std::nullopt},
        {"WAYLAND_DISPLAY", std::nullopt},
        {"DISPLAY", std::nullopt},
    };
};

TEST_F(RunningCopyTest, ASecondCopyWakesTheFirstAndEndsWithoutAWindow) {
    RunningCopy first;
    ASSERT_EQ(first.Start(), StartRole::FirstCopy);
    TfrmMain window;
    QObject::connect(&first, &RunningCopy::ActivateInstance, &window, &TfrmMain::ActivateInstance);
    int woken = 0;
    QObject::connect(&first, &RunningCopy::ActivateInstance, [&] { ++woken; });
    window.showMinimized();
    window.hide();

    const ProgramResult second = StartSecondCopy();
    EXPECT_EQ(second.exitStatus, 0) << second.err;
    EXPECT_FALSE(SecondCopyReadSettings());
    ASSERT_TRUE(Until([&] { return woken == 1; }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(RunningCopyTest, TwoCopiesStartedTogetherLeaveOneRunning) {
    RunningProgram a({KESTRUM_PROGRAM});
    RunningProgram b({KESTRUM_PROGRAM});
    ASSERT_TRUE(Eventually([&] { return !ProcessRunning(a.Pid()) || !ProcessRunning(b.Pid()); }));
    RunningProgram& ended = ProcessRunning(a.Pid()) ? b : a;
    RunningProgram& running = ProcessRunning(a.Pid()) ? a : b;
    EXPECT_EQ(ended.Finish().exitStatus, 0);
    ::usleep(500 * 1000);
    EXPECT_TRUE(ProcessRunning(running.Pid())) << "the first copy stays";
    running.Signal(SIGTERM);
    running.Finish();
}

TEST_F(RunningCopyTest, TheLockAndSocketOfAKilledCopyAreTakenOver) {
    {
        RunningProgram killed({KESTRUM_PROGRAM});
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(place_.serverName); }));
        killed.Signal(SIGKILL);
        killed.Finish();
    }
    ASSERT_TRUE(std::filesystem::exists(place_.lockFile)) << "left behind";
    ASSERT_TRUE(std::filesystem::exists(place_.serverName)) << "left behind";

    RunningCopy first;
    ASSERT_EQ(first.Start(), StartRole::FirstCopy);
    int woken = 0;
    QObject::connect(&first, &RunningCopy::ActivateInstance, [&] { ++woken; });
    const ProgramResult second = StartSecondCopy();
    EXPECT_EQ(second.exitStatus, 0) << second.err;
    EXPECT_FALSE(SecondCopyReadSettings());
    EXPECT_TRUE(Until([&] { return woken == 1; }));
}

TEST_F(RunningCopyTest, OnlyTheWakeUpMessageWakesTheFirstCopy) {
    RunningCopy first;
    ASSERT_EQ(first.Start(), StartRole::FirstCopy);
    int woken = 0;
    QObject::connect(&first, &RunningCopy::ActivateInstance, [&] { ++woken; });
    const QByteArray messages[] = {
        QByteArray::fromHex("021700000000000000000000"),  // another message number
        QByteArray::fromHex("031700000100000000000000"),  // a parameter not 0
        QByteArray::fromHex("0317"),                      // cut short
        QByteArray::fromHex("031700000000000000000000"),  // WM_ACTIVATE_INSTANCE
    };
    for (const QByteArray& message : messages) {
        ASSERT_TRUE(CopyChannel::Send(place_.serverName, message, std::chrono::seconds(1)));
        QTest::qWait(50);
    }
    EXPECT_TRUE(Until([&] { return woken == 1; }));
    QTest::qWait(100);
    EXPECT_EQ(woken, 1);
}

TEST_F(RunningCopyTest, AHeldLockEndsTheStartEvenWhenNobodyAnswers) {
    QLockFile heldBySilentCopy(QString::fromStdString(place_.lockFile));
    ASSERT_TRUE(heldBySilentCopy.tryLock(0));
    RunningCopy later;
    EXPECT_EQ(later.Start(std::chrono::milliseconds(200)), StartRole::SilentRunningCopy);
    EXPECT_EQ(later.SilentCopyText(),
              "another copy (process " + std::to_string(::getpid()) + ") holds " + place_.lockFile +
                  " but does not answer at " + place_.serverName + "; not starting a second one");
    RunningCopy placeless(std::nullopt);
    EXPECT_EQ(placeless.Start(), StartRole::Unguarded);
}

TEST_F(RunningCopyTest, AFirstCopyThatCannotAnswerKeepsLaterStartsFromOpeningAWindow) {
    RunningProgram first({KESTRUM_PROGRAM});
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(place_.serverName); }));
    std::filesystem::remove(place_.serverName);  // nothing answers any more

    for (int start = 0; start < 2; ++start) {  // the next start just the same
        const ProgramResult later = StartSecondCopy();
        EXPECT_EQ(later.exitStatus, 0) << later.err;
        EXPECT_FALSE(SecondCopyReadSettings()) << "no window was made";
        EXPECT_EQ(later.err, "another copy (process " + std::to_string(first.Pid()) + ") holds " +
                                 place_.lockFile + " but does not answer at " + place_.serverName +
                                 "; not starting a second one\n");
    }
    EXPECT_TRUE(ProcessRunning(first.Pid()));
    first.Signal(SIGTERM);
    first.Finish();
}

TEST_F(RunningCopyTest, AFirstCopyIsFoundWhenTheTemporaryFolderPathIsTooLongForASocket) {
    TempFolder temp;
    const std::string longTemp = temp / std::string(100, 't');
    ASSERT_EQ(::mkdir(longTemp.c_str(), 0700), 0);
    // A session of this test's own: the copies meet in the shared /tmp.
    const ScopedEnvironment session[] = {{"XDG_RUNTIME_DIR", std::nullopt},
                                         {"TMPDIR", longTemp},
                                         {"XDG_SESSION_ID", runtime_.Path()}};
    const RunningCopyPlace place = *FindRunningCopyPlace();
    ASSERT_EQ(place.serverName.rfind("/tmp/kestrum-", 0), 0u) << place.serverName;

    {
        RunningCopy first;
        ASSERT_EQ(first.Start(), StartRole::FirstCopy);
        EXPECT_TRUE(std::filesystem::exists(place.serverName)) << "it listens";
        int woken = 0;
        QObject::connect(&first, &RunningCopy::ActivateInstance, [&] { ++woken; });
        const ProgramResult second = StartSecondCopy();
        EXPECT_EQ(second.exitStatus, 0) << second.err;
        EXPECT_EQ(second.err.find("does not answer"), std::string::npos) << second.err;
        EXPECT_FALSE(SecondCopyReadSettings());
        EXPECT_TRUE(Until([&] { return woken == 1; }));
    }
    std::filesystem::remove(place.lockFile);
    std::filesystem::remove(place.serverName);
}

}  // namespace
}  // namespace kestrum
