#pragma once

#include <string>

#include "cli/cli_options.h"
#include "convert/core/convert_batch.h"
#include "convert/core/user_prompts.h"

namespace kestrum::cli {

// The answer to the overwrite question: asked on the terminal when `answer`
// is Ask and standard input is a terminal (`cancel` as for cli::AskYesNo),
// otherwise yes only for Yes.
bool AnswerOverwrite(OverwriteAnswer answer, std::string_view question,
                     platform::NativeHandle cancel = platform::kNoHandle);

// kestrum-convert's side of a batch: questions on the terminal (or answered by
// the options when there is no terminal), messages on standard error, and the
// progress on standard output: a live line per file on a terminal, plain
// lines otherwise.
class ConsoleFrontEnd final : public UserPrompts, public BatchView {
public:
    // `cancel`: ends a pending question when it fires (see cli::AskYesNo).
    ConsoleFrontEnd(OverwriteAnswer overwrite, std::string outputFolder,
                    platform::NativeHandle cancel);

    bool AskYesNo(Question question, std::string_view text) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;

    void JobStarted(const BatchJob& job) override;
    void JobProgress(const BatchJob& job, const TProcessInfo& notice) override;
    void JobFinished(const BatchJob& job, bool converted) override;
    void BatchFinished() override {}

private:
    void DrawLiveLine(const BatchJob& job, int percent, std::string_view elapsed,
                      std::string_view estimated);
    void EndLiveLine();
    void Message(std::string_view text);

    OverwriteAnswer overwrite_;
    std::string outputFolder_;
    platform::NativeHandle cancel_;
    bool askTerminal_;
    bool liveProgress_;
    bool lineOpen_ = false;
};

}  // namespace kestrum::cli
