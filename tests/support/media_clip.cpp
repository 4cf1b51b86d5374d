#include "support/media_clip.h"

#include <gtest/gtest.h>

#include "platform/program_search.h"
#include "support/run_program.h"

namespace kestrum::test {

void MakeClip(const std::string& path, int seconds) {
    const std::string ffmpeg = platform::FindProgram("ffmpeg");
    ASSERT_FALSE(ffmpeg.empty()) << "ffmpeg is missing: run scripts/install-deps";
    const std::string length = std::to_string(seconds);
    const ProgramResult r = RunProgram(
        {ffmpeg, "-hide_banner", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
         "testsrc=duration=" + length + ":size=320x240:rate=25", "-f", "lavfi", "-i",
         "sine=frequency=440:duration=" + length, "-c:v", "mpeg4", "-c:a", "pcm_s16le", path});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
}

std::string ProbeFormat(const std::string& path) {
    const ProgramResult r =
        RunProgram({platform::FindProgram("ffprobe"), "-v", "error", "-show_entries",
                    "format=format_name,duration", "-of", "default=noprint_wrappers=1", path});
    return r.out;
}

}  // namespace kestrum::test
