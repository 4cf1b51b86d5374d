#include "cli/batch_settings.h"

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

BatchChoices ChoicesOf(const BatchSettings& batch) {
    return {batch.sameAsInput, batch.outputFolder, batch.profile, batch.notUseAnotherFFmpeg,
            batch.anotherFFmpeg};
}

std::optional<std::string> CheckProfileAndEncoder(const BatchSettings& batch) {
    return ProfileOrEncoderProblem(ChoicesOf(batch));
}

}  // namespace kestrum::cli
