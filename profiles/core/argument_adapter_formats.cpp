#include "profiles/core/argument_adapter_formats.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/core/ascii_text.h"

namespace kestrum {

namespace {

// Output extensions and the muxer the encoder picks for them.
constexpr std::array kFormatOfExtension = {
    Pair{".mp4", "mp4"},      Pair{".mov", "mov"},   Pair{".3gp", "3gp"},  Pair{".3g2", "3g2"},
    Pair{".m4a", "ipod"},     Pair{".m4v", "ipod"},  Pair{".avi", "avi"},  Pair{".flv", "flv"},
    Pair{".swf", "swf"},      Pair{".dv", "dv"},     Pair{".mpg", "mpeg"}, Pair{".mpeg", "mpeg"},
    Pair{".vob", "vob"},      Pair{".wmv", "asf"},   Pair{".wma", "asf"},  Pair{".asf", "asf"},
    Pair{".mp3", "mp3"},      Pair{".ogg", "ogg"},   Pair{".wav", "wav"},  Pair{".ac3", "ac3"},
    Pair{".mkv", "matroska"}, Pair{".webm", "webm"},
};

// The video encoder each muxer uses when none is named (H.264 muxers aside).
constexpr std::array kDefaultVideoEncoder = {
    Pair{"3gp", "h263"},       Pair{"3g2", "h263"},        Pair{"avi", "mpeg4"},
    Pair{"flv", "flv"},        Pair{"swf", "flv"},         Pair{"mpeg", "mpeg1video"},
    Pair{"vcd", "mpeg1video"}, Pair{"dvd", "mpeg2video"},  Pair{"svcd", "mpeg2video"},
    Pair{"vob", "mpeg2video"}, Pair{"asf", "msmpeg4"},     Pair{"dv", "dvvideo"},
    Pair{"ogg", "libtheora"},  Pair{"webm", "libvpx-vp9"},
};

constexpr std::array kH264Muxers = {std::string_view("mp4"), std::string_view("mov"),
                                    std::string_view("ipod"), std::string_view("matroska")};

// -target kinds: the muxer, the video and the audio encoder they set.
struct Target {
    std::string_view kind, format, video, audio;
};
constexpr std::array kTargets = {
    Target{"vcd", "vcd", "mpeg1video", "mp2"},    Target{"svcd", "svcd", "mpeg2video", "mp2"},
    Target{"dvd", "dvd", "mpeg2video", "ac3"},    Target{"dv", "dv", "dvvideo", "pcm_s16le"},
    Target{"dv50", "dv", "dvvideo", "pcm_s16le"},
};

const Target* FindTarget(std::string_view value) {
    for (const std::string_view norm : {"ntsc-", "pal-", "film-"}) {
        if (value.starts_with(norm)) {
            value.remove_prefix(norm.size());
            break;
        }
    }
    for (const Target& target : kTargets) {
        if (target.kind == value) {
            return &target;
        }
    }
    return nullptr;
}

}  // namespace

OutputDescription DescribeOutput(const ArgumentTokens& tokens, std::string_view extension,
                                 const EncoderCapabilities& encoder) {
    OutputDescription output;
    std::string lowered(extension);
    std::ranges::transform(lowered, lowered.begin(), LowerAscii);
    output.format = LookUp(kFormatOfExtension, lowered);
    const Target* target = nullptr;
    for (std::size_t at = 0; at + 1 < tokens.Size(); ++at) {
        if (tokens[at] == "-f") {
            output.format = tokens[at + 1];
        } else if (tokens[at] == "-target") {
            if ((target = FindTarget(tokens[at + 1]))) {
                output.format = target->format;
            }
        }
    }
    output.hasVideo = !tokens.Has({"-vn"});
    output.hasAudio = !tokens.Has({"-an"});

    if (const auto named = tokens.LastValue(kVideoCodecOptions)) {
        output.videoEncoder = *named;
        output.videoEncoderNamed = true;
    } else if (target != nullptr) {
        output.videoEncoder = target->video;
    } else if (std::ranges::find(kH264Muxers, output.format) != kH264Muxers.end()) {
        output.videoEncoder = encoder.HasEncoder("libx264") ? "libx264" : "mpeg4";
    } else {
        output.videoEncoder = LookUp(kDefaultVideoEncoder, output.format);
    }
    if (const auto named = tokens.LastValue(kAudioCodecOptions)) {
        output.audioEncoder = *named;
    } else if (target != nullptr) {
        output.audioEncoder = target->audio;
    }
    return output;
}

bool IsIsoMediaFormat(std::string_view format) {
    return format == "mp4" || format == "mov" || format == "3gp" || format == "3g2" ||
           format == "ipod";
}

bool IsMpegVideoEncoder(std::string_view encoder) {
    constexpr std::array kFamily = {
        std::string_view("mpeg1video"), std::string_view("mpeg2video"), std::string_view("mpeg4"),
        std::string_view("msmpeg4"),    std::string_view("msmpeg4v2"),  std::string_view("wmv1"),
        std::string_view("wmv2"),       std::string_view("h263"),       std::string_view("h263p"),
        std::string_view("h261"),       std::string_view("flv"),        std::string_view("rv10"),
        std::string_view("rv20"),
    };
    return std::ranges::find(kFamily, encoder) != kFamily.end();
}

bool IsVorbisEncoder(std::string_view encoder) {
    return encoder == "vorbis" || encoder == "libvorbis";
}

}  // namespace kestrum
