#include "app/core/global.h"
#include "app/core/settings_store.h"
#include "app/core/string_table.h"
#include "cli/adapter_notes.h"
#include "cli/batch_settings.h"
#include "cli/console_front_end.h"
#include "cli/modes.h"
#include "cli/terminal.h"
#include "convert/core/encoder_probe.h"
#include "platform/file_system.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum::cli {

// What a conversion would run, file by file, without running anything.
int PrintCommands(const Options& options) {
    const BatchChoices batch = ResolveBatchChoices(options, SettingsStore().Read());
    if (const auto refusal = ProfileOrEncoderProblem(batch)) {
        WriteLine(stderr, *refusal);
        return 2;
    }
    const std::string extension = GetProfileExtension(batch.Profile);
    const std::string arguments = GetProfileArguments(batch.Profile);
    const OverwriteAnswer answer = options.overwrite.value_or(OverwriteAnswer::No);
    // The arguments as the encoder the batch would run needs them.
    const AdaptedArguments adapted = AdaptArguments(
        arguments, extension,
        ProbeEncoder(EncoderProgram(batch.NotUseAnotherFFmpeg, batch.AnotherFFmpeg)));
    WriteAdapterNotes(stdout, adapted.notes);

    for (const std::string& input : options.files) {
        CommandPieces pieces{
            batch.NotUseAnotherFFmpeg,
            batch.AnotherFFmpeg,
            false,
            input,
            arguments,
            OutputFileFor(input, batch.SameAsInput, batch.OutputFolder, extension)};
        WriteLine(stdout, "output: " + pieces.OutputFile);
        if (OutputIsInput(input, pieces.OutputFile)) {
            WriteLine(stdout, "skipped: output is the input file");
            continue;
        }
        if (platform::FileExists(pieces.OutputFile)) {
            if (!AnswerOverwrite(answer,
                                 pieces.OutputFile + std::string(texts::kOverwriteQuestion))) {
                WriteLine(stdout, "skipped: output exists");
                continue;
            }
            if (IsFileInUse(pieces.OutputFile)) {
                WriteLine(stdout, "skipped: output in use");
                continue;
            }
            pieces.Overwrite = true;
        }
        WriteLine(stdout, "command: " + ComposeCommandLine(pieces));
        if (adapted.outcome == AdaptOutcome::Adapted) {
            pieces.Arguments = adapted.arguments;
            WriteLine(stdout, "adapted: " + ComposeCommandLine(pieces));
        } else if (adapted.outcome != AdaptOutcome::Unchanged) {
            WriteLine(stdout, "refused: " + AdaptRefusalMessage(adapted.outcome, batch.Profile));
        }
    }
    return 0;
}

}  // namespace kestrum::cli
