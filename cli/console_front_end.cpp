#include "cli/console_front_end.h"

#include "cli/terminal.h"

namespace kestrum::cli {

namespace {

constexpr int kBarWidth = 20;

std::string Counter(const BatchJob& job) {
    return "[" + std::to_string(job.Number) + "/" + std::to_string(job.Count) + "] ";
}

// At most `columns` - 1 bytes, so that the line never wraps and the lines
// above stay where the redraw expects them; never half a UTF-8 character.
std::string FitToWidth(std::string line, int columns) {
    const std::size_t room = columns > 1 ? static_cast<std::size_t>(columns - 1) : 1;
    if (line.size() <= room) {
        return line;
    }
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    line.resize(cut);
    return line;
}

}  // namespace

bool AnswerOverwrite(OverwriteAnswer answer, std::string_view question,
                     platform::NativeHandle cancel) {
    if (answer == OverwriteAnswer::Ask && StandardInputIsTerminal()) {
        return cli::AskYesNo(question, cancel);
    }
    return answer == OverwriteAnswer::Yes;
}

ConsoleStreams StandardStreams() {
    ConsoleStreams streams;
    streams.live = StandardOutputIsTerminal();
    streams.columns = TerminalColumns();
    streams.askTerminal = StandardInputIsTerminal();
    return streams;
}

ConsoleFrontEnd::ConsoleFrontEnd(OverwriteAnswer overwrite, std::string outputFolder,
                                 platform::NativeHandle cancel, ConsoleStreams streams)
    : overwrite_(overwrite),
      outputFolder_(std::move(outputFolder)),
      cancel_(cancel),
      streams_(streams) {}

bool ConsoleFrontEnd::AskYesNo(Question question, std::string_view text) {
    // The main thread waits for the answer: one question at a time, with
    // the running files' lines off the screen meanwhile.
    EraseLive();
    bool yes = false;
    if (question == Question::CreateOutputFolder) {
        if (streams_.askTerminal) {
            yes = cli::AskYesNo(text, cancel_);
        } else {
            WriteLine(streams_.err, "kestrum-convert: creating the output folder " + outputFolder_);
            std::fflush(streams_.err);
            yes = true;
        }
    } else {
        yes = AnswerOverwrite(overwrite_, text, cancel_);
    }
    DrawLive();
    return yes;
}

void ConsoleFrontEnd::ShowInformation(std::string_view text) {
    Message(text);
}

void ConsoleFrontEnd::ShowError(std::string_view text) {
    Message(text);
}

void ConsoleFrontEnd::JobStarted(const BatchJob& job) {
    if (streams_.live) {
        live_[job.Number] = LiveLine(job, 0, "00:00", "00:00");
        DrawLive();
    }
}

void ConsoleFrontEnd::JobProgress(const BatchJob& job, const TProcessInfo& notice) {
    if (streams_.live) {
        live_[job.Number] = LiveLine(job, notice.Percent, notice.ElapsedText, notice.EstimatedText);
        DrawLive();
        return;
    }
    WriteLine(streams_.out, Counter(job) + std::to_string(notice.Percent) + "% elapsed " +
                                notice.ElapsedText + " estimated " + notice.EstimatedText + " " +
                                job.OutputName);
    std::fflush(streams_.out);
}

void ConsoleFrontEnd::JobFinished(const BatchJob& job, bool converted) {
    EraseLive();
    live_.erase(job.Number);
    WriteLine(streams_.out, Counter(job) + (converted ? "converted " + job.OutputName
                                                      : "failed " + job.InputName));
    DrawLive();
    std::fflush(streams_.out);
}

std::string ConsoleFrontEnd::LiveLine(const BatchJob& job, int percent, std::string_view elapsed,
                                      std::string_view estimated) const {
    const int filled = percent * kBarWidth / 100;
    std::string percentText = std::to_string(percent) + "%";
    percentText.insert(0, 4 - std::min<std::size_t>(4, percentText.size()), ' ');
    return FitToWidth(Counter(job) + "[" + std::string(filled, '#') +
                          std::string(kBarWidth - filled, '-') + "] " + percentText + " elapsed " +
                          std::string(elapsed) + " estimated " + std::string(estimated) + " " +
                          job.OutputName,
                      streams_.columns);
}

// The lines go below what was written before, one per running file, in the
// files' order, and the cursor stays under them.
void ConsoleFrontEnd::DrawLive() {
    if (!streams_.live) {
        return;
    }
    std::string text;
    if (drawn_ > 0) {
        text += "\x1b[" + std::to_string(drawn_) + "F";  // to the first live line
    }
    for (const auto& [number, line] : live_) {
        text += line + "\x1b[K\n";
    }
    text += "\x1b[J";  // whatever was drawn below, when there were more lines
    WriteText(streams_.out, text);
    std::fflush(streams_.out);
    drawn_ = live_.size();
}

void ConsoleFrontEnd::EraseLive() {
    if (!streams_.live || drawn_ == 0) {
        return;
    }
    WriteText(streams_.out, "\x1b[" + std::to_string(drawn_) + "F\x1b[J");
    std::fflush(streams_.out);
    drawn_ = 0;
}

void ConsoleFrontEnd::Message(std::string_view text) {
    EraseLive();
    WriteLine(streams_.err, text);
    std::fflush(streams_.err);
    DrawLive();
}

}  // namespace kestrum::cli
