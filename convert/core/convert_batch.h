#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/core/batch_checks.h"
#include "convert/core/convert_process.h"
#include "convert/core/notice_sink.h"
#include "convert/core/user_prompts.h"

namespace kestrum {

// The file of a batch that a view is told about.
struct BatchJob {
    int Number = 0;  // 1-based place in the batch
    int Count = 0;   // files in the batch
    std::string InputName;
    std::string OutputName;  // with the profile's extension
};

// What a front end shows of a running batch: the progress window's caption,
// label, bar and times, or kestrum-convert's lines.
class BatchView {
public:
    virtual ~BatchView() = default;
    virtual void JobStarted(const BatchJob& job) = 0;
    virtual void JobProgress(const BatchJob& job, const TProcessInfo& notice) = 0;
    virtual void JobFinished(const BatchJob& job, bool converted) = 0;
    // After the last file's finish: the progress window closes.
    virtual void BatchFinished() = 0;
};

enum class BatchState { Running, Finished, Stopped };

// What happens when a file's Start raises an error (the encoder cannot be
// started, a pipe cannot be made).
enum class StartErrorPolicy {
    // The error is shown through the prompts, the file counts as failed and
    // the next one starts: kestrum-convert, which nobody may have to nurse.
    ShowAndGoOn,
    // The error leaves Begin or HandleNotice to the caller's error handler;
    // the batch stays on that file, with nothing running, until it is
    // stopped: the progress window, which then waits for Stop.
    RaiseAndWait,
};

// A runner a batch converts its files on, and the sink its notices go to. The
// sink must hand them to the batch's HandleNotice with the runner's place in
// the batch's list of runners.
struct BatchRunner {
    TConvertProcess& process;
    NoticeSink& notices;
};

// The files of one Convert on one runner or several: what the progress window
// does, apart from drawing. Files start in their order, each as soon as a
// runner is free (one after the other on the program's one runner); a file
// whose output another running file reads or writes, or whose input another
// running file writes, waits until that file is over. A front end creates
// it, calls Begin, hands it every notice its sinks deliver (HandleNotice) and
// calls Stop for its Stop button; everything happens on the main thread,
// driven by those events.
class ConvertBatch {
public:
    // The profile's extension, then its arguments, are looked up here, once.
    ConvertBatch(std::vector<BatchRunner> runners, UserPrompts& prompts, BatchView& view,
                 std::vector<std::string> files, const BatchChoices& choices,
                 StartErrorPolicy onStartError = StartErrorPolicy::ShowAndGoOn);

    // Starts the first files with what the probe said of the encoder (see
    // EncoderProbeAhead). With RaiseAndWait, may throw Start's Error.
    void Begin(const EncoderCapabilities& encoder);
    // A WM_CONVERT_STATUS notice of the runner at `runner`. With RaiseAndWait,
    // may throw the Error of the next file's Start.
    void HandleNotice(std::size_t runner, std::unique_ptr<TProcessInfo> notice);
    // Ends the batch at once: the running files and those after them are
    // neither converted nor listed as failed.
    void Stop();

    BatchState State() const { return state_; }
    // The failed inputs' names in the batch's order, each followed by ", ".
    std::string FailedFiles() const;
    // FailedFiles + "file conversion failed.", or empty when none failed.
    std::string FinalMessage() const;

private:
    void StartJobs();
    std::optional<std::size_t> FreeRunner() const;
    bool WaitsForRunningFile(std::size_t file) const;
    std::string OutputOf(std::size_t file) const;
    BatchJob JobOf(std::size_t file) const;

    std::vector<BatchRunner> runners_;
    UserPrompts& prompts_;
    BatchView& view_;
    std::vector<std::string> Files;
    std::size_t nextFile_ = 0;  // the first file not started yet
    // The file each runner converts, by the runners' order.
    std::vector<std::optional<std::size_t>> runningFile_;
    std::vector<bool> failed_;  // by the files' order
    std::string OutputExt;
    std::string Arguments;
    BatchChoices choices_;
    EncoderCapabilities encoder_;
    StartErrorPolicy onStartError_;
    BatchState state_ = BatchState::Running;
};

}  // namespace kestrum
