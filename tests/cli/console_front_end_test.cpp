// What kestrum-convert's console shows, read off a model of a terminal
// screen: on a terminal, one live line per running file under what was
// written before; otherwise one plain line per notice.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cli/console_front_end.h"

namespace kestrum {
namespace {

// A terminal screen as far as the live display drives one: text, line
// breaks, carriage returns, and the escapes for "to the start of the line n
// lines up" (CSI n F) and "erase to the end of the line" (CSI K) or "of the
// screen" (CSI J).
class Screen {
public:
    void Write(std::string_view bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\x1b' && i + 1 < bytes.size() && bytes[i + 1] == '[') {
                std::size_t end = i + 2;
                int count = 0;
                while (end < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[end]))) {
                    count = count * 10 + (bytes[end++] - '0');
                }
                Escape(bytes[end], count);
                i = end;
            } else if (c == '\n') {
                ++row_;
                column_ = 0;
            } else if (c == '\r') {
                column_ = 0;
            } else {
                std::string& line = Line();
                line.resize(std::max(line.size(), column_ + 1), ' ');
                line[column_++] = c;
            }
        }
    }
    // The rows down to the last one written on.
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows = rows_;
        while (!rows.empty() && rows.back().empty()) {
            rows.pop_back();
        }
        return rows;
    }

private:
    std::string& Line() {
        if (rows_.size() <= row_) {
            rows_.resize(row_ + 1);
        }
        return rows_[row_];
    }
    void Escape(char command, int count) {
        switch (command) {
            case 'F':
                row_ -= std::min<std::size_t>(row_, static_cast<std::size_t>(count));
                column_ = 0;
                break;
            case 'K':
                Line().resize(std::min(Line().size(), column_));
                break;
            case 'J':
                Line().resize(std::min(Line().size(), column_));
                rows_.resize(row_ + 1);
                break;
            default:
                ADD_FAILURE() << "unexpected escape " << command;
        }
    }

    std::vector<std::string> rows_;
    std::size_t row_ = 0;
    std::size_t column_ = 0;
};

// A front end writing both its streams into one buffer, as a terminal shows them.
class ConsoleTest : public ::testing::Test {
protected:
    ~ConsoleTest() override {
        std::fclose(stream_);
        std::free(buffer_);
    }
    cli::ConsoleFrontEnd& Console(bool live, int columns = 100) {
        console_ = std::make_unique<cli::ConsoleFrontEnd>(
            cli::OverwriteAnswer::No, "/out", platform::kNoHandle,
            cli::ConsoleStreams{stream_, stream_, live, columns, false});
        return *console_;
    }
    // What the screen shows now.
    std::vector<std::string> Shown() {
        std::fflush(stream_);
        screen_.Write(std::string_view(buffer_ + read_, size_ - read_));
        read_ = size_;
        return screen_.Rows();
    }

    static BatchJob Job(int number, const std::string& name) {
        return {number, 3, name + ".avi", name + ".wav"};
    }
    static TProcessInfo Progress(int percent) { return {percent, "00:05", "00:10", 0}; }

    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    std::size_t read_ = 0;
    std::FILE* stream_ = open_memstream(&buffer_, &size_);
    Screen screen_;
    std::unique_ptr<cli::ConsoleFrontEnd> console_;
};

constexpr const char* kNone = "[--------------------]   0% elapsed 00:00 estimated 00:00 ";
constexpr const char* kHalf = "[##########----------]  50% elapsed 00:05 estimated 00:10 ";

TEST_F(ConsoleTest, OnATerminalEachRunningFileHasALiveLine) {
    cli::ConsoleFrontEnd& console = Console(true);
    console.JobStarted(Job(1, "a"));
    console.JobStarted(Job(2, "b"));
    console.JobProgress(Job(2, "b"), Progress(50));
    EXPECT_EQ(Shown(), (std::vector<std::string>{std::string("[1/3] ") + kNone + "a.wav",
                                                 std::string("[2/3] ") + kHalf + "b.wav"}));

    console.ShowError("a message");
    console.JobFinished(Job(1, "a"), true);
    console.JobStarted(Job(3, "c"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a message", "[1/3] converted a.wav",
                                                 std::string("[2/3] ") + kHalf + "b.wav",
                                                 std::string("[3/3] ") + kNone + "c.wav"}));

    console.AskYesNo(Question::CreateOutputFolder, "create?");
    console.JobFinished(Job(3, "c"), false);
    console.JobFinished(Job(2, "b"), true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"a message", "[1/3] converted a.wav",
                                                 "kestrum-convert: creating the output folder /out",
                                                 "[3/3] failed c.avi", "[2/3] converted b.wav"}));
}

// Cut to the terminal's width less one, never inside a UTF-8 character.
TEST_F(ConsoleTest, ALiveLineNeverWraps) {
    const std::string live = std::string("[1/3] ") + kNone;
    cli::ConsoleFrontEnd& console = Console(true, static_cast<int>(live.size()) + 2);
    console.JobStarted(Job(1, "\xc3\xa9\xc3\xa9"));
    console.JobStarted(Job(2, "bc"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{live, std::string("[2/3] ") + kNone + "b"}));
}

TEST_F(ConsoleTest, WithoutATerminalEveryNoticeIsALine) {
    cli::ConsoleFrontEnd& console = Console(false);
    console.JobStarted(Job(1, "a"));
    console.JobStarted(Job(2, "b"));
    console.JobProgress(Job(2, "b"), Progress(50));
    console.JobProgress(Job(1, "a"), Progress(20));
    console.JobFinished(Job(2, "b"), false);
    console.JobFinished(Job(1, "a"), true);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"[2/3] 50% elapsed 00:05 estimated 00:10 b.wav",
                                                 "[1/3] 20% elapsed 00:05 estimated 00:10 a.wav",
                                                 "[2/3] failed b.avi", "[1/3] converted a.wav"}));
}

}  // namespace
}  // namespace kestrum
