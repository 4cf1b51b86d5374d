#include <gtest/gtest.h>

#include "convert/core/progress_parser.h"

namespace kestrum {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct Notice {
    int percent;
    std::string elapsed;
    std::string estimated;
};

std::vector<Notice> Simplify(const std::vector<TProcessInfo>& infos) {
    std::vector<Notice> notices;
    for (const TProcessInfo& info : infos) {
        EXPECT_EQ(info.Status, 0);
        notices.push_back({info.Percent, info.ElapsedText, info.EstimatedText});
    }
    return notices;
}

bool operator==(const Notice& a, const Notice& b) {
    return a.percent == b.percent && a.elapsed == b.elapsed && a.estimated == b.estimated;
}

void PrintTo(const Notice& n, std::ostream* os) {
    *os << "{" << n.percent << ", " << n.elapsed << ", " << n.estimated << "}";
}

TEST(ProgressParser, DurationLines) {
    const std::pair<std::string, std::int64_t> cases[] = {
        {"  Duration: 00:01:30.50, start: 0.000000, bitrate: 1411 kb/s", 90},
        {"Duration: 1:02:03.00", 123},  // one-digit hour reads "1:" -> 0
        {"DURATION: 01:00:00.00", 3600},
        {"xx duration:10:20:30.99 yy", 37230},
        {"  Duration: N/A, bitrate: N/A", 0},
        {"  Duration: N/A", 0},
        {"Duration: 99:59:59.99", 359999},
        {"Duration:", 0},
    };
    for (const auto& [line, seconds] : cases) {
        ProgressJobState job;
        job.TotalSeconds = -1;
        EXPECT_TRUE(ParseOutput(line, job, 5.0).empty());
        EXPECT_EQ(job.TotalSeconds, seconds) << line;
        EXPECT_EQ(job.StartTime, 5.0);
        EXPECT_FALSE(job.ProgressSeen);
    }
}

struct PositionCase {
    std::string chunk;
    std::int64_t totalSeconds;
    double elapsedSeconds;
    std::vector<Notice> notices;
};

TEST(ProgressParser, PositionLines) {
    const PositionCase cases[] = {
        {"time=45.12", 90, 25, {{50, "00:25", "00:50"}}},
        {"TIME=45.12", 90, 9, {{50, "00:09", "00:18"}}},
        {"frame= 10 q=2.0 size= 1kB time=9.00 bitrate=", 90, 65, {{10, "01:05", "10:50"}}},
        // Clock form: hours, minutes, seconds.
        {"size= 1kB time=00:00:45.12 bitrate=", 90, 25, {{50, "00:25", "00:50"}}},
        {"time=01:02:05.00", 3725, 3725, {{100, "62:05", "62:05"}}},
        {"time=-00:00:00.02", 90, 5, {}},
        {"time=N/A bitrate=N/A", 90, 5, {}},
        // Below 1 % and above 100 % give nothing; so do 0 and a missing duration.
        {"time=0.50", 90, 5, {}},
        {"time=91.00", 90, 5, {}},
        {"time=0.89", 100, 5, {}},
        {"time=45.00", 0, 5, {}},
        {"time=12ab.00", 90, 5, {}},
        {"time=45", 90, 5, {}},  // no "." : the position keeps its value (0)
        // Estimated total: 25 s at 40 % is 62.5, halves to even -> 62.
        {"time=36.00", 90, 25, {{40, "00:25", "01:02"}}},
        // Elapsed rounding: 2.5 s -> 2, 3.5 s -> 4.
        {"time=45.00", 90, 2.5, {{50, "00:02", "00:04"}}},
        {"time=45.00", 90, 3.5, {{50, "00:04", "00:08"}}},
        // Percent is truncated.
        {"time=2.99", 3, 5, {{66, "00:05", "00:08"}}},
    };
    for (const PositionCase& c : cases) {
        ProgressJobState job;
        job.TotalSeconds = c.totalSeconds;
        job.StartTime = 100.0;
        const auto notices =
            Simplify(ParseOutput(c.chunk, job, 100.0 + c.elapsedSeconds * kSecond));
        EXPECT_EQ(notices, c.notices) << c.chunk;
        EXPECT_TRUE(job.ProgressSeen) << c.chunk;
    }
}

TEST(ProgressParser, LinesBreaksNulsAndChunkBoundaries) {
    const std::string duration = "Duration: 00:01:40.00\n";
    const std::pair<std::string, int> cases[] = {
        {duration + "time=10.00\rtime=20.00\rtime=30.00\r", 3},    // lone CRs split lines
        {duration + "time=10.00\r\ntime=20.00\n\rtime=30.00", 3},  // CRLF, LF CR
        {duration + "time=10.00\n" + std::string(1, '\0') + "time=20.00\n", 1},  // text ends at NUL
        {duration + "ti", 0},
        {"me=50.00\n", 0},  // no duration in this chunk
        {duration + "   \t \r\n\r\n", 0},
        {"Duration: 00:01:40.00 time=50.00", 1},  // both on one line
    };
    for (const auto& [chunk, count] : cases) {
        ProgressJobState job;
        EXPECT_EQ(static_cast<int>(ParseOutput(chunk, job, 1.0).size()), count) << chunk;
    }
}

TEST(ProgressParser, NothingIsCarriedBetweenChunks) {
    ProgressJobState job;
    EXPECT_TRUE(ParseOutput("Duration: 00:01:40.00, start", job, 10.0).empty());
    EXPECT_EQ(job.TotalSeconds, 100);
    // A position line cut in two: neither half gives a notice.
    EXPECT_TRUE(ParseOutput("frame=1 ti", job, 10.0).empty());
    EXPECT_FALSE(job.ProgressSeen);
    EXPECT_TRUE(ParseOutput("me=50.00 bitrate", job, 10.0).empty());
    // The job fields persist: a later whole line uses the earlier duration.
    EXPECT_EQ(Simplify(ParseOutput("time=50.00", job, 10.0 + 10 * kSecond)),
              (std::vector<Notice>{{50, "00:10", "00:20"}}));
}

TEST(ProgressParser, WorkingValuesAreSharedWithinAChunk) {
    // The hours of the first duration line stay for the second, which has none.
    ProgressJobState job;
    ParseOutput("Duration: 01:00:00.00\nDuration: 00.00\n", job, 1.0);
    EXPECT_EQ(job.TotalSeconds, 3600);
    // A position line without "." repeats the chunk's last position.
    job.TotalSeconds = 100;
    job.StartTime = 1.0;
    EXPECT_EQ(ParseOutput("time=20.00\ntime=N/A\n", job, 1.0).size(), 2u);
}

TEST(ProgressParser, RealEncoderOutput) {
    const std::string stream =
        "Input #0, lavfi, from 'testsrc':\n"
        "  Duration: 00:00:04.00, start: 0.000000, bitrate: N/A\n"
        "Output #0, wav, to 'out.wav':\n"
        "size=     256kB time=00:00:01.48 bitrate=1411.2kbits/s speed=2.96x    \r"
        "size=     512kB time=00:00:02.97 bitrate=1411.2kbits/s speed=2.97x    \r"
        "size=     690kB time=00:00:04.00 bitrate=1411.3kbits/s speed=   3x    \n"
        "video:0kB audio:689kB subtitle:0kB other streams:0kB global headers:0kB\n";
    ProgressJobState job;
    const auto notices = Simplify(ParseOutput(stream, job, 7.0));
    EXPECT_EQ(notices,
              (std::vector<Notice>{
                  {25, "00:00", "00:00"}, {50, "00:00", "00:00"}, {100, "00:00", "00:00"}}));
    EXPECT_EQ(job.TotalSeconds, 4);
    EXPECT_TRUE(job.ProgressSeen);
}

}  // namespace
}  // namespace kestrum
