#include "cli/batch_settings.h"

#include "app/core/string_table.h"
#include "platform/file_system.h"

namespace kestrum::cli {

BatchSettings ResolveBatchSettings(const Options& options, const Settings& saved) {
    BatchSettings batch;
    batch.profile = options.profile.value_or(saved.OutputFormat);
    batch.outputFolder = options.outputFolder.value_or(saved.OutputDirectory);
    batch.sameAsInput = options.sameAsInput || (!options.outputFolder && saved.SameInput);
    if (options.encoder) {
        batch.notUseAnotherFFmpeg = false;
        batch.anotherFFmpeg = *options.encoder;
    } else {
        batch.notUseAnotherFFmpeg = saved.NotUseAnotherFFmpeg;
        batch.anotherFFmpeg = saved.AnotherFFmpeg;
    }
    return batch;
}

std::optional<std::string> CheckProfileAndEncoder(const BatchSettings& batch) {
    if (batch.profile.empty()) {
        return std::string(texts::kChooseProfile);
    }
    if (!batch.notUseAnotherFFmpeg && !platform::FileExists(batch.anotherFFmpeg)) {
        return batch.anotherFFmpeg + ". " + std::string(texts::kEncoderMissing);
    }
    return std::nullopt;
}

}  // namespace kestrum::cli
