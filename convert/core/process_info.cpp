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
    }
    return {};
}

}  // namespace kestrum
