#include "convert/core/batch_checks.h"

#include "app/core/string_table.h"
#include "platform/file_system.h"

namespace kestrum {

std::optional<std::string> ProfileOrEncoderProblem(const BatchChoices& choices) {
    if (choices.Profile.empty()) {
        return std::string(texts::kChooseProfile);
    }
    if (!choices.NotUseAnotherFFmpeg && !platform::FileExists(choices.AnotherFFmpeg)) {
        return choices.AnotherFFmpeg + ". " + std::string(texts::kEncoderMissing);
    }
    return std::nullopt;
}

BatchCheck CheckBeforeBatch(const BatchChoices& choices, UserPrompts& prompts) {
    if (!choices.SameAsInput && !platform::DirectoryExists(choices.OutputFolder)) {
        const std::string question = choices.OutputFolder + "," +
                                     std::string(texts::kOutputFolderMissing) + "\r\n" +
                                     std::string(texts::kCreateFolderQuestion);
        if (!prompts.AskYesNo(Question::CreateOutputFolder, question)) {
            return BatchCheck::FolderDeclined;
        }
        if (!platform::ForceDirectories(choices.OutputFolder)) {
            return BatchCheck::FolderNotCreated;
        }
    }
    if (const auto problem = ProfileOrEncoderProblem(choices)) {
        prompts.ShowInformation(*problem);
        return choices.Profile.empty() ? BatchCheck::NoProfile : BatchCheck::EncoderMissing;
    }
    return BatchCheck::Ready;
}

}  // namespace kestrum
