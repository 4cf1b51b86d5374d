#pragma once

#include <memory>
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

// The files of one Convert, one after the other on the program's one runner:
// what the progress window does, apart from drawing. A front end creates it,
// calls Begin, hands it every notice its NoticeSink delivers (HandleNotice)
// and calls Stop for its Stop button; everything happens on the main thread,
// driven by those events.
class ConvertBatch {
public:
    // The profile's extension, then its arguments, are looked up here, once.
    // `notices` must deliver to HandleNotice.
    ConvertBatch(TConvertProcess& process, NoticeSink& notices, UserPrompts& prompts,
                 BatchView& view, std::vector<std::string> files, const BatchChoices& choices,
                 StartErrorPolicy onStartError = StartErrorPolicy::ShowAndGoOn);

    // Starts the first file. With RaiseAndWait, may throw Start's Error.
    void Begin();
    // A WM_CONVERT_STATUS notice for this batch. With RaiseAndWait, may throw
    // the Error of the next file's Start.
    void HandleNotice(std::unique_ptr<TProcessInfo> notice);
    // Ends the batch at once: the running file and those after it are neither
    // converted nor listed as failed.
    void Stop();

    BatchState State() const { return state_; }
    // The failed inputs' names, each followed by ", ".
    const std::string& FailedFiles() const { return failedFiles_; }
    // FailedFiles + "file conversion failed.", or empty when none failed.
    std::string FinalMessage() const;

private:
    void StartJobs();
    BatchJob CurrentJob() const;
    void CountFailed();

    TConvertProcess& process_;
    NoticeSink& notices_;
    UserPrompts& prompts_;
    BatchView& view_;
    std::vector<std::string> Files;
    int FileIndex = 0;
    std::string OutputExt;
    std::string Arguments;
    std::string failedFiles_;
    BatchChoices choices_;
    StartErrorPolicy onStartError_;
    BatchState state_ = BatchState::Running;
};

}  // namespace kestrum
