#include "cli/batch_settings.h"

namespace kestrum::cli {

BatchChoices ResolveBatchChoices(const Options& options, const Settings& saved) {
    BatchChoices batch;
    batch.Profile = options.profile.value_or(saved.OutputFormat);
    batch.OutputFolder = options.outputFolder.value_or(saved.OutputDirectory);
    batch.SameAsInput = options.sameAsInput || (!options.outputFolder && saved.SameInput);
    if (options.encoder) {
        batch.NotUseAnotherFFmpeg = false;
        batch.AnotherFFmpeg = *options.encoder;
    } else {
        batch.NotUseAnotherFFmpeg = saved.NotUseAnotherFFmpeg;
        batch.AnotherFFmpeg = saved.AnotherFFmpeg;
    }
    return batch;
}

}  // namespace kestrum::cli
