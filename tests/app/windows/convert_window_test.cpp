// Convert... end to end with Debian's ffmpeg on generated clips: the
// progress window through a batch, Stop, a failing start, and closing the
// main window while a file converts.
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <qpa/qwindowsysteminterface.h>
#include <unistd.h>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <cerrno>
#include <regex>

#include "app/core/string_table.h"
#include "app/ui/label.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_text.h"
#include "convert/ui/progress_window.h"
#include "skin/ui/button.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"
#include "skin/ui/progress_bar.h"
#include "support/media_clip.h"
#include "support/process_probe.h"
#include "windows_test_support.h"

namespace kestrum {
namespace {

using namespace test;

const QString kTitle = ToQString(texts::kAppTitle);

// What the progress window showed, one entry per change.
struct Shown {
    QString title;
    QString name;
    int bar = 0;
    QString elapsed;
    QString estimated;
    bool operator==(const Shown&) const = default;
};

// Looks at the progress window while it is shown, before every event the
// program handles: each handler's effect is seen before the next one runs.
class ProgressTrace : public QObject {
public:
    ProgressTrace() { qApp->installEventFilter(this); }
    ~ProgressTrace() override { qApp->removeEventFilter(this); }

    std::vector<Shown> shown;

    // The distinct captions, in order.
    std::vector<QString> Titles() const {
        std::vector<QString> titles;
        for (const Shown& s : shown) {
            if (titles.empty() || titles.back() != s.title) {
                titles.push_back(s.title);
            }
        }
        return titles;
    }
    std::vector<Shown> Of(const QString& title) const {
        std::vector<Shown> of;
        std::copy_if(shown.begin(), shown.end(), std::back_inserter(of),
                     [&](const Shown& s) { return s.title == title; });
        return of;
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Show && progress_ == nullptr) {
            progress_ = qobject_cast<TfrmConvert*>(receiver);
            window_ = progress_;
        }
        // Hidden before it goes, so never looked at half destroyed.
        if (window_ == nullptr || !window_->isVisible()) {
            return false;
        }
        const Shown now{progress_->windowTitle(), progress_->lConvertName->Caption(),
                        progress_->lumProgressBar2->Position(), progress_->lTimeElapsed->Caption(),
                        progress_->lTimeEstimated->Caption()};
        if (shown.empty() || !(shown.back() == now)) {
            shown.push_back(now);
        }
        return false;
    }

private:
    TfrmConvert* progress_ = nullptr;  // the one shown first
    QPointer<QWidget> window_;         // the same, while it exists
};

class ConvertWindowTest : public WindowsTest {
protected:
    ConvertWindowTest() {
        output_ = work_ / "out/";
        ::mkdir(output_.c_str(), 0755);
        window.show();
        window.fpType->SetCaption("WAV - Waveform Audio");
        window.eOutputFolder->setText(ToQString(output_));
    }

    std::string Clip(const std::string& name, int seconds = 3) {
        MakeClip(work_ / name, seconds);
        return work_ / name;
    }
    // An input that the encoder waits on for as long as it runs.
    std::string EndlessInput(const std::string& name) {
        ::mkfifo((work_ / name).c_str(), 0644);
        return work_ / name;
    }
    void Choose(const std::vector<std::string>& files) {
        dialogs_.filesAnswer.clear();
        for (const std::string& file : files) {
            dialogs_.filesAnswer.append(ToQString(file));
        }
    }
    TfrmConvert* Progress() { return window.findChild<TfrmConvert*>(); }
    // A file's encoder, once it runs.
    pid_t RunningEncoder() {
        return window.ConvertProcess ? static_cast<pid_t>(window.ConvertProcess->ChildProcessId())
                                     : 0;
    }

    std::string output_;
    TfrmMain window;
};

bool IsTime(const QString& text) {
    return std::regex_match(text.toStdString(), std::regex("[0-9]{2,}:[0-5][0-9]"));
}

bool GroupGone(pid_t group) {
    return ::kill(-group, 0) != 0 && errno == ESRCH;
}

TEST_F(ConvertWindowTest, ConvertsEveryFileInTurnWhileAMessageBoxIsOpen) {
    Choose({Clip("one.avi"), Clip("two.avi"), Clip("three.avi")});
    ProgressTrace trace;
    // The main window takes no input meanwhile. A message box opened during
    // the first file stays open until the last file has begun: the batch goes
    // on inside its loop.
    bool boxClosedByBatch = false;
    const QString folder = window.eOutputFolder->text();
    auto openBox = RunEvery(5, [&] {
        if (trace.shown.empty() || trace.shown.back().bar == 0) {
            return false;
        }
        QTest::mouseClick(window.bExit, Qt::LeftButton);
        QTest::keyClick(window.eOutputFolder, Qt::Key_X);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.eOutputFolder->text(), folder);
        auto closeBox = RunEvery(5, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || trace.Titles().back() != kTitle + " (3/3)") {
                return false;
            }
            boxClosedByBatch = true;
            box->accept();
            return true;
        });
        QMessageBox box(QMessageBox::Information, kTitle, "meanwhile", QMessageBox::Ok);
        QTimer::singleShot(120000, &box, &QMessageBox::reject);
        box.exec();
        return true;
    });
    window.bConvert->Click();

    EXPECT_TRUE(boxClosedByBatch);
    EXPECT_EQ(Progress(), nullptr) << "closed after the last file and gone";
    QTest::keyClick(window.eOutputFolder, Qt::Key_End);
    QTest::keyClick(window.eOutputFolder, Qt::Key_X);
    EXPECT_EQ(window.eOutputFolder->text(), folder + "x") << "the main window takes input again";
    EXPECT_EQ(trace.Titles(), (std::vector<QString>{kTitle, kTitle + " (1/3)", kTitle + " (2/3)",
                                                    kTitle + " (3/3)"}));
    const char* names[] = {"one", "two", "three"};
    QString lastElapsed = "00:00";
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        const std::vector<Shown> file = trace.Of(kTitle + QString(" (%1/3)").arg(i + 1));
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(file.front().name, QString("%1.wav").arg(names[i]));
        EXPECT_TRUE(std::any_of(file.begin(), file.end(), [](const Shown& s) {
            return s.bar == 0;
        })) << "the bar starts again";
        EXPECT_EQ(file.front().elapsed, lastElapsed) << "the times wait for the first notice";
        EXPECT_GT(file.back().bar, 50);
        EXPECT_LE(file.back().bar, 100);
        EXPECT_TRUE(IsTime(file.back().elapsed)) << file.back().elapsed.toStdString();
        EXPECT_TRUE(IsTime(file.back().estimated)) << file.back().estimated.toStdString();
        lastElapsed = file.back().elapsed;
        const std::string probed = ProbeFormat(output_ + names[i] + ".wav");
        EXPECT_EQ(probed.substr(0, probed.find('\n')), "format_name=wav");
    }
    EXPECT_TRUE(dialogs_.messages.empty()) << "no final message";
}

TEST_F(ConvertWindowTest, DeclinedAndLockedOutputsAreListedInTheirOrder) {
    const std::vector<std::string> files = {Clip("kept.avi"), Clip("locked.avi"),
                                            Clip("fresh.avi")};
    WriteFile(output_ + "kept.wav", "old");
    WriteFile(output_ + "locked.wav", "old");
    const int lock = ::open((output_ + "locked.wav").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    dialogs_.yesNoAnswers = {false, true};
    Choose(files);
    window.bConvert->Click();
    ::close(lock);

    ASSERT_EQ(dialogs_.messages.size(), 4u);
    EXPECT_EQ(dialogs_.messages[0].text, ToQString(output_ + "kept.wav has existed,overite it?"));
    EXPECT_EQ(dialogs_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs_.messages[1].text, ToQString(output_ + "locked.wav has existed,overite it?"));
    EXPECT_EQ(dialogs_.messages[2].text,
              ToQString(output_ + "locked.wav may be used, convert process failed!"));
    EXPECT_EQ(dialogs_.messages[2].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs_.messages[3].text, "kept.avi, locked.avi, file conversion failed.");
    EXPECT_EQ(dialogs_.messages[3].icon, MessageIcon::Information);
    EXPECT_EQ(dialogs_.messages[3].buttons, MessageButtons::Ok);
    EXPECT_EQ(ReadFile(output_ + "kept.wav"), "old");
    EXPECT_EQ(ReadFile(output_ + "locked.wav"), "old");
    const std::string probed = ProbeFormat(output_ + "fresh.wav");
    EXPECT_EQ(probed.substr(0, probed.find('\n')), "format_name=wav");
}

TEST_F(ConvertWindowTest, StopEndsTheBatchAndItsEncoderAtOnce) {
    Choose({Clip("first.avi"), EndlessInput("second.avi"), Clip("third.avi")});
    pid_t encoder = 0;
    auto stop = RunEvery(5, [&] {
        TfrmConvert* progress = Progress();
        if (progress == nullptr || !progress->windowTitle().endsWith("(2/3)") ||
            RunningEncoder() == 0) {
            return false;
        }
        encoder = RunningEncoder();
        QTest::keyClick(progress, Qt::Key_Escape);
        EXPECT_TRUE(progress->isVisible()) << "Escape does not stop a batch";
        progress->bStop->Click();
        return true;
    });
    window.bConvert->Click();

    ASSERT_NE(encoder, 0);
    EXPECT_TRUE(Eventually([&] { return !ProcessExists(encoder); })) << "killed and collected";
    EXPECT_TRUE(GroupGone(encoder));
    EXPECT_EQ(Progress(), nullptr);
    QTest::qWait(300);
    EXPECT_FALSE(::access((output_ + "third.wav").c_str(), F_OK) == 0) << "never started";
    EXPECT_TRUE(dialogs_.messages.empty()) << "nothing reported for the stopped files";
}

// Stop while a file replaces an existing output (the user said Yes): the old
// output stays as it was, and the encoder's unfinished file goes with it.
TEST_F(ConvertWindowTest, StopKeepsTheOldOutputAndLeavesNoUnfinishedFile) {
    window.NotUseAnotherFFmpeg = false;
    window.AnotherFFmpeg = KESTRUM_FAKE_ENCODER;
    WriteFile(work_ / "a.avi",
              "write 100000\nerr   Duration: 00:00:10.00\\n\nerr time=5.00\\n\nsleep 30000\n");
    WriteFile(output_ + "a.wav", "old");
    dialogs_.yesNoAnswers = {true};
    Choose({work_ / "a.avi"});
    bool stopped = false;
    auto stop = RunEvery(5, [&] {
        TfrmConvert* progress = Progress();
        if (progress == nullptr || !progress->windowTitle().endsWith("(1/1)") ||
            progress->lumProgressBar2->Position() != 50) {
            return false;
        }
        progress->bStop->Click();
        stopped = true;
        return true;
    });
    window.bConvert->Click();

    EXPECT_TRUE(stopped);
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(
        Eventually([&] { return FolderEntries(output_) == std::vector<std::string>{"a.wav"}; }));
    EXPECT_EQ(ReadFile(output_ + "a.wav"), "old");
    EXPECT_EQ(dialogs_.messages.size(), 1u) << "the question, and nothing reported";
}

// An encoder that cannot be started: the top-level handler shows the error,
// and the window waits with what it showed before until Stop.
TEST_F(ConvertWindowTest, AStartErrorIsShownAndTheWindowWaitsForStop) {
    const std::string encoder = work_ / "not executable";
    WriteFile(encoder, "#!/bin/sh\n");
    window.NotUseAnotherFFmpeg = false;
    window.AnotherFFmpeg = encoder;
    const struct {
        const char* name;
        bool firstDeclined;  // the first output exists and is kept: the second file fails
        QString title;
        QString label;
        int bar;  // the bar's own 50 in a window that never started a file
        QString finalMessage;
    } cases[] = {
        {"first file", false, kTitle, "", 50, ""},
        {"second file", true, kTitle + " (1/2)", "a.wav", 0, "a.avi, file conversion failed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs_.messages.clear();
        WriteFile(work_ / "a.avi", "a");
        WriteFile(work_ / "b.avi", "b");
        ::unlink((output_ + "a.wav").c_str());
        if (c.firstDeclined) {
            WriteFile(output_ + "a.wav", "old");
            dialogs_.yesNoAnswers = {false};
        }
        Choose({work_ / "a.avi", work_ / "b.avi"});
        std::optional<Shown> waiting;
        int errorsShown = 0;
        auto stop = RunEvery(300, [&] {
            const int errors = static_cast<int>(
                std::count_if(dialogs_.messages.begin(), dialogs_.messages.end(),
                              [](const auto& m) { return m.icon == MessageIcon::Error; }));
            TfrmConvert* progress = Progress();
            if (progress == nullptr || errors == 0 || std::exchange(errorsShown, errors) == 0) {
                return false;  // Stop a while after the error, not at once
            }
            waiting = Shown{progress->windowTitle(), progress->lConvertName->Caption(),
                            progress->lumProgressBar2->Position(),
                            progress->lTimeElapsed->Caption(), progress->lTimeEstimated->Caption()};
            progress->bStop->Click();
            return true;
        });
        window.bConvert->Click();

        ASSERT_TRUE(waiting.has_value());
        EXPECT_EQ(*waiting, (Shown{c.title, c.label, c.bar, "00:00", "00:00"}));
        EXPECT_EQ(errorsShown, 1);
        const auto error = std::find_if(dialogs_.messages.begin(), dialogs_.messages.end(),
                                        [](const auto& m) { return m.icon == MessageIcon::Error; });
        ASSERT_NE(error, dialogs_.messages.end());
        EXPECT_EQ(error->text, "Error while creating convert process!13.");
        EXPECT_EQ(Progress(), nullptr) << "Stop closed it";
        EXPECT_EQ(dialogs_.messages.back().text,
                  c.finalMessage.isEmpty() ? error->text : c.finalMessage);
    }
}

// The desktop asks the main window to close (taskbar, window manager) while a
// file converts: the job ends first, then the window closes as ever.
TEST_F(ConvertWindowTest, ClosingTheMainWindowStopsTheBatchFirst) {
    Choose({Clip("a.avi"), EndlessInput("b.avi")});
    pid_t encoder = 0;
    auto close = RunEvery(5, [&] {
        TfrmConvert* progress = Progress();
        if (progress == nullptr || !progress->windowTitle().endsWith("(2/2)") ||
            RunningEncoder() == 0) {
            return false;
        }
        encoder = RunningEncoder();
        QWindowSystemInterface::handleCloseEvent(window.windowHandle());
        return true;
    });
    // A request that never arrives would leave the encoder waiting for ever.
    auto giveUp = RunEvery(10000, [&] {
        if (TfrmConvert* progress = Progress()) {
            ADD_FAILURE() << "the close request did not reach the main window";
            progress->bStop->Click();
        }
        return true;
    });
    window.bConvert->Click();

    ASSERT_NE(encoder, 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.ConvertProcess, nullptr);
    EXPECT_EQ(Progress(), nullptr);
    EXPECT_TRUE(Eventually([&] { return !ProcessExists(encoder); })) << "no orphan encoder";
    EXPECT_TRUE(GroupGone(encoder));
    EXPECT_NE(ReadFile(SettingsFile()).find("OutputFormat=WAV - Waveform Audio\r\n"),
              std::string::npos);
    EXPECT_TRUE(dialogs_.messages.empty());
}

}  // namespace
}  // namespace kestrum
