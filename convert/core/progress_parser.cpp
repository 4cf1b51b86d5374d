#include "convert/core/progress_parser.h"

#include <chrono>
#include <cstring>

#include "app/core/ascii_text.h"
#include "app/core/global.h"
#include "convert/core/progress_text.h"

namespace kestrum {

namespace {

using namespace progress_text;

constexpr std::string_view kDurationKeyword = "duration:";
constexpr std::string_view kPositionKeyword = "time=";

// The values that a chunk's lines share: reset for each chunk, not each line.
struct ChunkValues {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int64_t position = 0;
};

std::string MinutesAndSeconds(std::int64_t totalSeconds) {
    return TwoDigits(static_cast<std::int32_t>(totalSeconds / 60)) + ":" +
           TwoDigits(static_cast<std::int32_t>(totalSeconds % 60));
}

void ReadDuration(std::string_view line, std::size_t at, ChunkValues& v, ProgressJobState& job,
                  double now) {
    std::string_view rest = Trim(line.substr(at + kDurationKeyword.size()));
    if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
        v.hours = ReadTwoBefore(rest, colon + 1);
        rest.remove_prefix(colon + 1);
    }
    if (const std::size_t colon = rest.find(':'); colon != std::string_view::npos) {
        v.minutes = ReadTwoBefore(rest, colon + 1);
        rest.remove_prefix(colon + 1);
    }
    if (const std::size_t dot = rest.find('.'); dot != std::string_view::npos) {
        v.seconds = ReadTwoBefore(rest, dot + 1);
    }
    // 32-bit arithmetic, as the duration fields are 32-bit.
    const std::uint32_t total = static_cast<std::uint32_t>(v.hours) * 3600U +
                                static_cast<std::uint32_t>(v.minutes) * 60U +
                                static_cast<std::uint32_t>(v.seconds);
    job.TotalSeconds = static_cast<std::int32_t>(total);
    job.StartTime = now;
}

void ReadPosition(std::string_view line, std::size_t at, ChunkValues& v, ProgressJobState& job,
                  double now, std::vector<TProcessInfo>& notices) {
    job.ProgressSeen = true;
    const std::string_view rest = line.substr(at + kPositionKeyword.size());
    if (const std::size_t dot = rest.find('.'); dot != std::string_view::npos) {
        const std::string_view whole = rest.substr(0, dot);
        const std::int32_t seconds = ReadInteger(whole);
        // Encoders of the last decade write "hh:mm:ss.ff"; read it as seconds too.
        v.position = seconds != 0 ? seconds : ReadClockSeconds(whole).value_or(0);
    }
    if (v.position <= 0 || job.TotalSeconds <= 0) {
        return;
    }
    const auto percent = static_cast<std::int32_t>((v.position * 100) / job.TotalSeconds);
    if (percent < 1 || percent > 100) {
        return;
    }
    const std::int64_t elapsed = RoundHalfEven((now - job.StartTime) * 86400.0);
    const std::int64_t estimated =
        RoundHalfEven(static_cast<double>(elapsed * 100) / static_cast<double>(percent));
    notices.push_back({percent, MinutesAndSeconds(elapsed), MinutesAndSeconds(estimated), 0});
}

void ParseLine(std::string_view line, ChunkValues& v, ProgressJobState& job, double now,
               std::vector<TProcessInfo>& notices) {
    if (Trim(line).empty()) {
        return;
    }
    if (const std::size_t at = FindKeyword(line, kDurationKeyword); at != std::string_view::npos) {
        ReadDuration(line, at, v, job, now);
    }
    if (const std::size_t at = FindKeyword(line, kPositionKeyword); at != std::string_view::npos) {
        ReadPosition(line, at, v, job, now, notices);
    }
}

}  // namespace

std::vector<TProcessInfo> ParseOutput(std::string_view chunk, ProgressJobState& job, double now) {
    if (const void* nul = std::memchr(chunk.data(), '\0', chunk.size()); nul != nullptr) {
        chunk =
            chunk.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - chunk.data()));
    }
    std::vector<TProcessInfo> notices;
    ChunkValues values;
    // Every CR LF, lone CR and lone LF ends a line (so LF CR is two breaks).
    std::size_t start = 0;
    while (start <= chunk.size()) {
        std::size_t end = start;
        while (end < chunk.size() && chunk[end] != '\r' && chunk[end] != '\n') {
            ++end;
        }
        ParseLine(chunk.substr(start, end - start), values, job, now, notices);
        if (end == chunk.size()) {
            break;
        }
        start = end +
                ((chunk[end] == '\r' && end + 1 < chunk.size() && chunk[end + 1] == '\n') ? 2 : 1);
    }
    return notices;
}

double ProgressClockNow() {
    using Days = std::chrono::duration<double, std::ratio<86400>>;
    return std::chrono::duration_cast<Days>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace kestrum
