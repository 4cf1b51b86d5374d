#include "app/core/global.h"
#include "app/core/settings_store.h"
#include "app/core/string_table.h"
#include "cli/batch_settings.h"
#include "cli/modes.h"
#include "cli/terminal.h"
#include "convert/core/encoder_probe.h"
#include "platform/file_system.h"
#include "platform/program_search.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/command_line.h"
#include "profiles/core/output_name.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum::cli {

namespace {

bool AnswerOverwrite(OverwriteAnswer answer, const std::string& output) {
    if (answer == OverwriteAnswer::Ask && StandardInputIsTerminal()) {
        return AskYesNo(output + std::string(texts::kOverwriteQuestion));
    }
    return answer == OverwriteAnswer::Yes;
}

// The arguments as the encoder the batch would run needs them.
AdaptedArguments AdaptForEncoder(const BatchSettings& batch, const std::string& arguments,
                                 const std::string& extension) {
    const std::string program = batch.notUseAnotherFFmpeg
                                    ? platform::FindProgram(std::string(kEncoderBareName))
                                    : batch.anotherFFmpeg;
    return AdaptArguments(arguments, extension, ProbeEncoder(program));
}

}  // namespace

// What a conversion would run, file by file, without running anything.
int PrintCommands(const Options& options) {
    const BatchSettings batch = ResolveBatchSettings(options, SettingsStore().Read());
    if (const auto refusal = CheckProfileAndEncoder(batch)) {
        WriteLine(stderr, *refusal);
        return 2;
    }
    const std::string extension = GetProfileExtension(batch.profile);
    const std::string arguments = GetProfileArguments(batch.profile);
    const OverwriteAnswer answer = options.overwrite.value_or(OverwriteAnswer::No);
    const AdaptedArguments adapted =
        options.files.empty() ? AdaptedArguments{} : AdaptForEncoder(batch, arguments, extension);

    for (const std::string& input : options.files) {
        CommandPieces pieces{
            batch.notUseAnotherFFmpeg,
            batch.anotherFFmpeg,
            false,
            input,
            arguments,
            OutputFileFor(input, batch.sameAsInput, batch.outputFolder, extension)};
        WriteLine(stdout, "output: " + pieces.OutputFile);
        if (OutputIsInput(input, pieces.OutputFile)) {
            WriteLine(stdout, "skipped: output is the input file");
            continue;
        }
        if (platform::FileExists(pieces.OutputFile)) {
            if (!AnswerOverwrite(answer, pieces.OutputFile)) {
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
            WriteLine(stdout, "refused: " + AdaptRefusalMessage(adapted.outcome, batch.profile));
        }
    }
    return 0;
}

}  // namespace kestrum::cli
