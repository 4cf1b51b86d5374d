#include "convert/core/process_info.h"

#include "app/core/string_table.h"
#include "profiles/core/argument_adapter.h"

namespace kestrum {

std::string FinishMessage(FinishStatus status, const FinishedJob& job) {
    switch (status) {
        case FinishStatus::Done:
            return {};
        case FinishStatus::OutputInUse:
            return std::string(job.OutputFile) + std::string(texts::kOutputInUse);
        case FinishStatus::OutputIsInput:
            return std::string(job.InputFile) + std::string(texts::kOutputIsInput);
        case FinishStatus::EncoderLacksH264:
            return AdaptRefusalMessage(AdaptOutcome::NeedsLibx264, job.ProfileCaption);
        case FinishStatus::PartialNotCreated:
            return std::string(job.PartialFile) + std::string(texts::kPartialNotCreated) +
                   std::to_string(job.SystemError);
        case FinishStatus::OutputNotReplaced:
            return std::string(job.PartialFile) + std::string(texts::kPartialNotRenamed) +
                   std::string(job.OutputFile) + std::string(texts::kPartialRenameFailed) +
                   std::to_string(job.SystemError);
    }
    return {};
}

}  // namespace kestrum
