#include "cli/console_front_end.h"

#include "cli/terminal.h"

namespace kestrum::cli {

namespace {

constexpr int kBarWidth = 20;

std::string Counter(const BatchJob& job) {
    return "[" + std::to_string(job.Number) + "/" + std::to_string(job.Count) + "] ";
}

}  // namespace

bool AnswerOverwrite(OverwriteAnswer answer, std::string_view question,
                     platform::NativeHandle cancel) {
    if (answer == OverwriteAnswer::Ask && StandardInputIsTerminal()) {
        return cli::AskYesNo(question, cancel);
    }
    return answer == OverwriteAnswer::Yes;
}

ConsoleFrontEnd::ConsoleFrontEnd(OverwriteAnswer overwrite, std::string outputFolder,
                                 platform::NativeHandle cancel)
    : overwrite_(overwrite),
      outputFolder_(std::move(outputFolder)),
      cancel_(cancel),
      askTerminal_(StandardInputIsTerminal()),
      liveProgress_(StandardOutputIsTerminal()) {}

bool ConsoleFrontEnd::AskYesNo(Question question, std::string_view text) {
    EndLiveLine();
    if (question == Question::CreateOutputFolder) {
        if (askTerminal_) {
            return cli::AskYesNo(text, cancel_);
        }
        Message("kestrum-convert: creating the output folder " + outputFolder_);
        return true;
    }
    return AnswerOverwrite(overwrite_, text, cancel_);
}

void ConsoleFrontEnd::ShowInformation(std::string_view text) {
    Message(text);
}

void ConsoleFrontEnd::ShowError(std::string_view text) {
    Message(text);
}

void ConsoleFrontEnd::JobStarted(const BatchJob& job) {
    if (liveProgress_) {
        DrawLiveLine(job, 0, "00:00", "00:00");
    }
}

void ConsoleFrontEnd::JobProgress(const BatchJob& job, const TProcessInfo& notice) {
    if (liveProgress_) {
        DrawLiveLine(job, notice.Percent, notice.ElapsedText, notice.EstimatedText);
        return;
    }
    WriteLine(stdout, Counter(job) + std::to_string(notice.Percent) + "% elapsed " +
                          notice.ElapsedText + " estimated " + notice.EstimatedText + " " +
                          job.OutputName);
    std::fflush(stdout);
}

void ConsoleFrontEnd::JobFinished(const BatchJob& job, bool converted) {
    if (lineOpen_) {
        WriteText(stdout, "\r\x1b[K");
        lineOpen_ = false;
    }
    WriteLine(stdout, Counter(job) +
                          (converted ? "converted " + job.OutputName : "failed " + job.InputName));
    std::fflush(stdout);
}

void ConsoleFrontEnd::DrawLiveLine(const BatchJob& job, int percent, std::string_view elapsed,
                                   std::string_view estimated) {
    const int filled = percent * kBarWidth / 100;
    std::string percentText = std::to_string(percent) + "%";
    percentText.insert(0, 4 - std::min<std::size_t>(4, percentText.size()), ' ');
    WriteText(stdout, "\r" + Counter(job) + "[" + std::string(filled, '#') +
                          std::string(kBarWidth - filled, '-') + "] " + percentText + " elapsed " +
                          std::string(elapsed) + " estimated " + std::string(estimated) + " " +
                          job.OutputName + "\x1b[K");
    std::fflush(stdout);
    lineOpen_ = true;
}

void ConsoleFrontEnd::EndLiveLine() {
    if (lineOpen_) {
        WriteText(stdout, "\n");
        std::fflush(stdout);
        lineOpen_ = false;
    }
}

void ConsoleFrontEnd::Message(std::string_view text) {
    EndLiveLine();
    WriteLine(stderr, text);
    std::fflush(stderr);
}

}  // namespace kestrum::cli
