#pragma once

#include <cstdio>
#include <map>
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

// Where a console front end writes, and whether that is a terminal to draw on.
struct ConsoleStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool live = false;         // `out` is a terminal: redraw the running files' lines
    int columns = 80;          // its width, when live
    bool askTerminal = false;  // standard input is a terminal to ask on
};

// The streams of this process as they are.
ConsoleStreams StandardStreams();

// kestrum-convert's side of a batch: questions on the terminal (or answered by
// the options when there is no terminal), messages on standard error, and the
// progress on standard output: on a terminal, one live line per running file
// above the cursor, redrawn in place; otherwise plain lines.
class ConsoleFrontEnd final : public UserPrompts, public BatchView {
public:
    // `cancel`: ends a pending question when it fires (see cli::AskYesNo).
    ConsoleFrontEnd(OverwriteAnswer overwrite, std::string outputFolder,
                    platform::NativeHandle cancel, ConsoleStreams streams = StandardStreams());

    bool AskYesNo(Question question, std::string_view text) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;

    void JobStarted(const BatchJob& job) override;
    void JobProgress(const BatchJob& job, const TProcessInfo& notice) override;
    void JobFinished(const BatchJob& job, bool converted) override;
    void BatchFinished() override {}

private:
    std::string LiveLine(const BatchJob& job, int percent, std::string_view elapsed,
                         std::string_view estimated) const;
    void DrawLive();
    void EraseLive();
    void Message(std::string_view text);

    OverwriteAnswer overwrite_;
    std::string outputFolder_;
    platform::NativeHandle cancel_;
    ConsoleStreams streams_;
    std::map<int, std::string> live_;  // the running files' lines, by their place
    std::size_t drawn_ = 0;            // live lines now on the screen, above the cursor
};

}  // namespace kestrum::cli
