#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "convert/core/convert_batch.h"
#include "convert/core/convert_process.h"
#include "convert/core/dispatched_notice_sink.h"
#include "convert/core/main_thread_queue.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace kestrum::test {

using namespace std::chrono_literals;

// The duration line of a 10-second input, as a test encoder script line.
inline constexpr const char* kDuration =
    "err   Duration: 00:00:10.00, start: 0.000000, bitrate: 1411 kb/s\\n\n";

// The lines of a file the test encoder wrote ("args", ...).
std::vector<std::string> Lines(const std::string& text);

// Counts the worker's calls into the main thread on their way to the queue.
class CountingDispatcher final : public MainThreadDispatcher {
public:
    explicit CountingDispatcher(MainThreadDispatcher& target) : target_(target) {}
    void Post(std::function<void()> op) override {
        ++posted;
        target_.Post(std::move(op));
    }
    std::atomic<int> posted{0};

private:
    MainThreadDispatcher& target_;
};

// Records what a progress window would show, as text.
class RecordingView final : public BatchView {
public:
    void JobStarted(const BatchJob& job) override { Add(job, "started " + job.OutputName); }
    void JobProgress(const BatchJob& job, const TProcessInfo& notice) override {
        Add(job, std::to_string(notice.Percent) + "%");
    }
    void JobFinished(const BatchJob& job, bool converted) override {
        Add(job, converted ? "converted " + job.OutputName : "failed " + job.InputName);
    }
    void BatchFinished() override { events.push_back("end"); }

    std::vector<std::string> events;

private:
    void Add(const BatchJob& job, const std::string& what) {
        events.push_back(std::to_string(job.Number) + "/" + std::to_string(job.Count) + " " + what);
    }
};

// One runner on a queue that the test's thread services, with the test
// encoder playing scripts from files in a temporary folder.
class EngineHarness {
public:
    EngineHarness();

    // A script file for the test encoder.
    std::string Script(const std::string& name, const std::string& lines);
    // Fills the job for the test encoder playing `script` (written as
    // "<name>.txt"), writing `<name>.out`.
    void Prepare(const std::string& name, const std::string& script);
    // Prepare, then Start.
    void StartScript(const std::string& name, const std::string& script);

    // The text of the error that Start raises for the job run by `program`
    // (as the other encoder); empty when Start raises none.
    std::string StartError(const std::string& program);

    // Services the queue until a finish notice came; false after `timeout`.
    bool PumpUntilFinished(std::chrono::milliseconds timeout = 20s);
    void PumpFor(std::chrono::milliseconds time);

    std::vector<TProcessInfo> Progress() const;
    const TProcessInfo* Finish() const;
    std::string Path(const std::string& name) const { return folder / name; }

    TempFolder folder;
    MainThreadQueue queue;
    CountingDispatcher calls{queue};
    ScriptedPrompts prompts;
    std::vector<TProcessInfo> notices;
    DispatchedNoticeSink sink{
        queue, [this](std::unique_ptr<TProcessInfo> notice) { notices.push_back(*notice); }};
    std::unique_ptr<TConvertProcess> process;
};

}  // namespace kestrum::test
