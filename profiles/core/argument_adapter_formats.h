#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "profiles/core/argument_adapter.h"
#include "profiles/core/argument_adapter_tokens.h"

namespace kestrum {

inline const OptionNames kVideoCodecOptions = {"-vcodec", "-c:v", "-codec:v", "-c", "-codec"};
inline const OptionNames kAudioCodecOptions = {"-acodec", "-c:a", "-codec:a", "-c", "-codec"};
inline const OptionNames kVideoFilterOptions = {"-vf", "-filter:v"};
inline const OptionNames kAudioFilterOptions = {"-af", "-filter:a"};

// One row of a name table: an old or outside name and what it stands for.
using Pair = std::pair<std::string_view, std::string_view>;

// What the first row of `table` with `key` stands for; empty when no row has it.
template <typename Table>
std::string_view LookUp(const Table& table, std::string_view key) {
    for (const Pair& row : table) {
        if (row.first == key) {
            return row.second;
        }
    }
    return {};
}

// What the arguments make of the output file.
struct OutputDescription {
    std::string format;              // the muxer: "mp4", "avi", "dv", ...; empty when unknown
    std::string videoEncoder;        // named, set by -target, or the muxer's default; may be empty
    bool videoEncoderNamed = false;  // named by a codec option
    bool hasVideo = true;            // no -vn
    bool hasAudio = true;            // no -an
    std::string audioEncoder;        // named or set by -target; empty when left to the muxer
};

// The format comes from the last -f or -target, else from the extension; a
// muxer's default video encoder is the one today's encoder picks, except that
// H.264 is only assumed where libx264 is present.
OutputDescription DescribeOutput(const ArgumentTokens& tokens, std::string_view extension,
                                 const EncoderCapabilities& encoder);

// mp4, mov, 3gp, 3g2 and ipod: the muxers that refuse foreign FourCC tags.
bool IsIsoMediaFormat(std::string_view format);

// The encoders built on the shared MPEG video engine (options -mpv_flags, -motion_est).
bool IsMpegVideoEncoder(std::string_view encoder);

bool IsVorbisEncoder(std::string_view encoder);

}  // namespace kestrum
