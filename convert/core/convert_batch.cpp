#include "convert/core/convert_batch.h"

#include <algorithm>

#include "app/core/error.h"
#include "app/core/string_table.h"
#include "platform/file_system.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {

ConvertBatch::ConvertBatch(std::vector<BatchRunner> runners, UserPrompts& prompts, BatchView& view,
                           std::vector<std::string> files, const BatchChoices& choices,
                           StartErrorPolicy onStartError)
    : runners_(std::move(runners)),
      prompts_(prompts),
      view_(view),
      Files(std::move(files)),
      runningFile_(runners_.size()),
      failed_(Files.size(), false),
      OutputExt(GetProfileExtension(choices.Profile)),
      Arguments(GetProfileArguments(choices.Profile)),
      choices_(choices),
      onStartError_(onStartError) {}

void ConvertBatch::Begin(const EncoderCapabilities& encoder) {
    encoder_ = encoder;
    StartJobs();
}

// Starts files in their order while a runner is free. A file whose start
// fails either counts as failed and the next one is started, or
// (RaiseAndWait) stays on its runner, its error thrown to the caller.
void ConvertBatch::StartJobs() {
    while (state_ == BatchState::Running && nextFile_ < Files.size()) {
        const std::optional<std::size_t> free = FreeRunner();
        if (!free || WaitsForRunningFile(nextFile_)) {
            return;  // the next finish notice comes back here
        }
        const std::size_t file = nextFile_++;
        TConvertProcess& process = runners_[*free].process;
        process.Running = true;
        process.InputFile = Files[file];
        process.OutputFile = OutputOf(file);
        process.NotifyWindow = &runners_[*free].notices;
        process.Arguments = Arguments;
        process.Extension = OutputExt;
        process.ProfileCaption = choices_.Profile;
        process.AnotherFFmpeg = choices_.AnotherFFmpeg;
        process.NotUseAnotherFFmpeg = choices_.NotUseAnotherFFmpeg;
        process.Encoder = encoder_;
        runningFile_[*free] = file;
        try {
            process.Start();
        } catch (const Error& error) {
            if (onStartError_ == StartErrorPolicy::RaiseAndWait) {
                throw;
            }
            // No job runs and no notice will come: a window left waiting for
            // one would sit there until the user gives up.
            runningFile_[*free].reset();
            prompts_.ShowError(error.what());
            failed_[file] = true;
            view_.JobFinished(JobOf(file), false);
            continue;
        }
        if (state_ != BatchState::Running) {
            return;  // stopped while Start asked its question
        }
        view_.JobStarted(JobOf(file));
    }
    const bool anyRunning = std::ranges::any_of(
        runningFile_, [](const std::optional<std::size_t>& file) { return file.has_value(); });
    if (state_ == BatchState::Running && !anyRunning) {
        state_ = BatchState::Finished;
        view_.BatchFinished();
    }
}

void ConvertBatch::HandleNotice(std::size_t runner, std::unique_ptr<TProcessInfo> notice) {
    if (state_ != BatchState::Running || notice == nullptr || runner >= runners_.size() ||
        !runningFile_[runner]) {
        return;  // a notice of a batch or a job that is over
    }
    const std::size_t file = *runningFile_[runner];
    if (notice->Percent != kFinishPercent) {
        view_.JobProgress(JobOf(file), *notice);
        return;
    }
    const bool converted = !notice->ElapsedText.empty();
    failed_[file] = !converted;
    const TConvertProcess& process = runners_[runner].process;
    const std::string message =
        FinishMessage(static_cast<FinishStatus>(notice->Status),
                      {process.InputFile, process.OutputFile, process.ProfileCaption,
                       process.PartialFile(), process.FailureCode()});
    if (!message.empty()) {
        prompts_.ShowError(message);
    }
    runningFile_[runner].reset();
    view_.JobFinished(JobOf(file), converted);
    StartJobs();
}

void ConvertBatch::Stop() {
    if (state_ != BatchState::Running) {
        return;
    }
    state_ = BatchState::Stopped;
    for (const BatchRunner& runner : runners_) {
        if (runner.process.Running) {
            runner.process.Stop(0);
        }
    }
}

std::string ConvertBatch::FailedFiles() const {
    std::string names;
    for (std::size_t file = 0; file < Files.size(); ++file) {
        if (failed_[file]) {
            names += ExtractFileName(Files[file]) + ", ";
        }
    }
    return names;
}

std::string ConvertBatch::FinalMessage() const {
    const std::string failed = FailedFiles();
    return failed.empty() ? failed : failed + std::string(texts::kFilesFailed);
}

std::optional<std::size_t> ConvertBatch::FreeRunner() const {
    const auto free = std::ranges::find_if(
        runningFile_, [](const std::optional<std::size_t>& file) { return !file.has_value(); });
    if (free == runningFile_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(free - runningFile_.begin());
}

// Converting both at once could write a file the other reads or writes; one
// after the other, the second meets what the first left, as in a batch on
// one runner.
bool ConvertBatch::WaitsForRunningFile(std::size_t file) const {
    const std::string output = OutputOf(file);
    for (std::size_t runner = 0; runner < runners_.size(); ++runner) {
        if (!runningFile_[runner]) {
            continue;
        }
        const TConvertProcess& other = runners_[runner].process;
        if (platform::SameFilePlace(output, other.OutputFile) ||
            platform::SameFilePlace(output, other.InputFile) ||
            platform::SameFilePlace(Files[file], other.OutputFile)) {
            return true;
        }
    }
    return false;
}

std::string ConvertBatch::OutputOf(std::size_t file) const {
    return OutputFileFor(Files[file], choices_.SameAsInput, choices_.OutputFolder, OutputExt);
}

BatchJob ConvertBatch::JobOf(std::size_t file) const {
    return {static_cast<int>(file) + 1, static_cast<int>(Files.size()),
            ExtractFileName(Files[file]), ExtractFileName(OutputOf(file))};
}

}  // namespace kestrum
