#include "convert/core/convert_batch.h"

#include "app/core/error.h"
#include "app/core/string_table.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {

ConvertBatch::ConvertBatch(TConvertProcess& process, NoticeSink& notices, UserPrompts& prompts,
                           BatchView& view, std::vector<std::string> files,
                           const BatchChoices& choices, StartErrorPolicy onStartError)
    : process_(process),
      notices_(notices),
      prompts_(prompts),
      view_(view),
      Files(std::move(files)),
      OutputExt(GetProfileExtension(choices.Profile)),
      Arguments(GetProfileArguments(choices.Profile)),
      choices_(choices),
      onStartError_(onStartError) {}

void ConvertBatch::Begin() {
    StartJobs();
}

// Starts the file at FileIndex. A file whose start fails either counts as
// failed and the next one is started, until one runs or the batch is over, or
// (RaiseAndWait) stays the current file, its error thrown to the caller.
void ConvertBatch::StartJobs() {
    const auto count = static_cast<int>(Files.size());
    while (FileIndex < count) {
        process_.Running = true;
        process_.InputFile = Files[static_cast<std::size_t>(FileIndex)];
        process_.OutputFile = OutputFileFor(process_.InputFile, choices_.SameAsInput,
                                            choices_.OutputFolder, OutputExt);
        process_.NotifyWindow = &notices_;
        process_.Arguments = Arguments;
        process_.Extension = OutputExt;
        process_.ProfileCaption = choices_.Profile;
        process_.AnotherFFmpeg = choices_.AnotherFFmpeg;
        process_.NotUseAnotherFFmpeg = choices_.NotUseAnotherFFmpeg;
        try {
            process_.Start();
        } catch (const Error& error) {
            if (onStartError_ == StartErrorPolicy::RaiseAndWait) {
                throw;
            }
            // No job runs and no notice will come: a window left waiting for
            // one would sit there until the user gives up.
            prompts_.ShowError(error.what());
            CountFailed();
            view_.JobFinished(CurrentJob(), false);
            ++FileIndex;
            continue;
        }
        view_.JobStarted(CurrentJob());
        return;
    }
    state_ = BatchState::Finished;
    view_.BatchFinished();
}

void ConvertBatch::HandleNotice(std::unique_ptr<TProcessInfo> notice) {
    if (state_ != BatchState::Running || notice == nullptr) {
        return;  // a notice of a batch that is over
    }
    if (notice->Percent != kFinishPercent) {
        view_.JobProgress(CurrentJob(), *notice);
        return;
    }
    const bool converted = !notice->ElapsedText.empty();
    if (!converted) {
        CountFailed();
    }
    const std::string message =
        FinishMessage(static_cast<FinishStatus>(notice->Status),
                      {process_.InputFile, process_.OutputFile, process_.ProfileCaption,
                       process_.PartialFile(), process_.FailureCode()});
    if (!message.empty()) {
        prompts_.ShowError(message);
    }
    view_.JobFinished(CurrentJob(), converted);
    ++FileIndex;
    StartJobs();
}

void ConvertBatch::Stop() {
    if (state_ != BatchState::Running) {
        return;
    }
    state_ = BatchState::Stopped;
    if (process_.Running) {
        process_.Stop(0);
    }
}

std::string ConvertBatch::FinalMessage() const {
    return failedFiles_.empty() ? std::string() : failedFiles_ + std::string(texts::kFilesFailed);
}

BatchJob ConvertBatch::CurrentJob() const {
    return {FileIndex + 1, static_cast<int>(Files.size()),
            ExtractFileName(Files[static_cast<std::size_t>(FileIndex)]),
            ExtractFileName(process_.OutputFile)};
}

void ConvertBatch::CountFailed() {
    failedFiles_ += ExtractFileName(Files[static_cast<std::size_t>(FileIndex)]) + ", ";
}

}  // namespace kestrum
