// Convert... in the program's own windows (offscreen) with Debian's ffmpeg:
//
// - BM_GuiBatchOverEncoder: a batch of three generated 10-second clips from
//   the click on Convert... until it returns, against the same encoder
//   commands run one after the other directly; seven runs each, alternately.
//   The figure is the ratio of the median wall times (target: at most 1.02).
// - BM_UiLatencyDuringConversion: while such a batch runs, another thread
//   posts an event to the user-interface thread every 5 ms; the delay until
//   the event is handled is the event loop's latency (target: p95 at most
//   50 ms).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "app/ui/dialog_service.h"
#include "app/ui/main_window.h"
#include "app/ui/program_look.h"
#include "app/ui/qt_text.h"
#include "convert/core/encoder_probe.h"
#include "platform/program_search.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"
#include "skin/ui/button.h"
#include "skin/ui/edit.h"
#include "skin/ui/flat_panel.h"

extern char** environ;

namespace {

using namespace kestrum;
using Clock = std::chrono::steady_clock;
constexpr const char* kProfile = "MPEG-1 (*.mpg)";
constexpr int kClips = 3;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// Runs argv with its outputs thrown away and waits for it.
void RunQuietly(const std::vector<std::string>& argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(argv[0] + " failed");
    }
}

// The file chooser answers with the clips; every question gets a Yes.
class ChosenClips final : public DialogService {
public:
    explicit ChosenClips(const QStringList& clips) : clips_(clips) {}
    MessageAnswer Message(QWidget*, const QString& text, MessageIcon, MessageButtons) override {
        throw std::runtime_error("unexpected message: " + text.toStdString());
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    QStringList ChooseFiles(QWidget*, const FileChooserRequest&) override { return clips_; }

private:
    const QStringList& clips_;
};

// Clips, their outputs, settings of our own, and the main window.
class Setup {
public:
    Setup() {
        folder_ = std::filesystem::temp_directory_path().string() + "/kestrum-gui-batch/";
        std::filesystem::create_directories(folder_ + "out");
        ::setenv("XDG_CONFIG_HOME", (folder_ + "config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (folder_ + "cache").c_str(), 1);
        const std::string ffmpeg = platform::FindProgram("ffmpeg");
        const std::string extension = GetProfileExtension(kProfile);
        const AdaptedArguments adapted =
            AdaptArguments(GetProfileArguments(kProfile), extension, ProbeEncoder(ffmpeg));
        const std::string arguments = adapted.outcome == AdaptOutcome::Adapted
                                          ? adapted.arguments
                                          : GetProfileArguments(kProfile);
        for (int i = 0; i < kClips; ++i) {
            const std::string clip = folder_ + "clip" + std::to_string(i) + ".avi";
            RunQuietly({ffmpeg, "-y", "-f", "lavfi", "-i",
                        "testsrc=duration=10:size=640x480:rate=25", "-f", "lavfi", "-i",
                        "sine=frequency=440:duration=10", "-c:v", "mpeg4", "-c:a", "pcm_s16le",
                        clip});
            const std::string output =
                folder_ + "out/" + ReplaceExtension(ExtractFileName(clip), extension);
            clips_.append(ToQString(clip));
            outputs_.push_back(output);
            // What the runner starts for this file.
            direct_.push_back(BuildArgv({true, "", false, clip, arguments, output}, ffmpeg));
        }
        window_ = std::make_unique<TfrmMain>();
        window_->show();
        window_->fpType->SetCaption(kProfile);
        window_->eOutputFolder->setText(ToQString(folder_ + "out"));
        previous_ = ReplaceDialogs(&dialogs_);
    }
    ~Setup() {
        ReplaceDialogs(previous_);
        window_.reset();
        std::filesystem::remove_all(folder_);
    }

    double Direct() {
        RemoveOutputs();
        const Clock::time_point start = Clock::now();
        for (const auto& argv : direct_) {
            RunQuietly(argv);
        }
        return Seconds(Clock::now() - start);
    }

    double ThroughTheWindow() {
        RemoveOutputs();
        const Clock::time_point start = Clock::now();
        window_->bConvert->Click();
        const double seconds = Seconds(Clock::now() - start);
        for (const std::string& output : outputs_) {
            if (!std::filesystem::exists(output)) {
                throw std::runtime_error("not converted: " + output);
            }
        }
        return seconds;
    }

private:
    void RemoveOutputs() {
        for (const std::string& output : outputs_) {
            std::filesystem::remove(output);
        }
    }

    std::string folder_;
    QStringList clips_;
    std::vector<std::string> outputs_;
    std::vector<std::vector<std::string>> direct_;
    ChosenClips dialogs_{clips_};
    DialogService* previous_ = nullptr;
    std::unique_ptr<TfrmMain> window_;
};

void BM_GuiBatchOverEncoder(benchmark::State& state) {
    Setup setup;
    setup.ThroughTheWindow();  // the encoder probe, the first paint
    for (auto _ : state) {
        std::vector<double> direct, window;
        for (int run = 0; run < 7; ++run) {
            direct.push_back(setup.Direct());
            window.push_back(setup.ThroughTheWindow());
        }
        state.counters["encoder_s"] = Median(direct);
        state.counters["window_s"] = Median(window);
        state.counters["ratio"] = Median(window) / Median(direct);
    }
}
BENCHMARK(BM_GuiBatchOverEncoder)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// An event stamped with the moment it was posted.
class StampedEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 77);
    StampedEvent() : QEvent(kType), posted(Clock::now()) {}
    Clock::time_point posted;
};

class LatencyRecorder : public QObject {
public:
    std::vector<double> milliseconds;

protected:
    bool event(QEvent* event) override {
        if (event->type() != StampedEvent::kType) {
            return QObject::event(event);
        }
        const auto posted = static_cast<StampedEvent*>(event)->posted;
        milliseconds.push_back(Seconds(Clock::now() - posted) * 1000);
        return true;
    }
};

void BM_UiLatencyDuringConversion(benchmark::State& state) {
    Setup setup;
    setup.ThroughTheWindow();
    for (auto _ : state) {
        LatencyRecorder recorder;
        std::atomic<bool> converting{true};
        std::thread pinger([&] {
            while (converting.load()) {
                QCoreApplication::postEvent(&recorder, new StampedEvent);
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        setup.ThroughTheWindow();
        converting.store(false);
        pinger.join();
        QCoreApplication::removePostedEvents(&recorder);
        state.counters["samples"] = static_cast<double>(recorder.milliseconds.size());
        state.counters["p50_ms"] = Percentile(recorder.milliseconds, 0.50);
        state.counters["p95_ms"] = Percentile(recorder.milliseconds, 0.95);
        state.counters["max_ms"] = Percentile(recorder.milliseconds, 1.0);
    }
}
BENCHMARK(BM_UiLatencyDuringConversion)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ApplyProgramLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
