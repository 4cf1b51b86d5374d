#pragma once

#include <string>

#include "profiles/core/profile_catalogue.h"

namespace kestrum::test {

// What an output file holds, in ffprobe's names.
struct Streams {
    std::string format;  // ffprobe's format_name
    std::string brand;   // the major brand of ISO media files ("isom", "qt"), else empty
    std::string video;   // codec of the first video stream, empty when none
    std::string audio;   // codec of the first audio stream, empty when none

    bool operator==(const Streams&) const = default;
};

// What a profile's output must hold: the container its extension implies and
// the codecs its arguments name (or the muxer's or -target's defaults, with
// MPEG-4 video for mov and mp4 as the old builds wrote).
Streams ExpectedStreams(const ProfileEntry& profile);

// Reads "ffprobe -show_entries format=format_name:format_tags=major_brand:
// stream=codec_type,codec_name -of compact=p=0".
Streams ParseProbedStreams(const std::string& ffprobeOutput);

}  // namespace kestrum::test
