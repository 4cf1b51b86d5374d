#include "expected_streams.h"

#include <map>
#include <sstream>

#include "profiles/core/command_line.h"

namespace kestrum::test {

namespace {

const std::string kIsoMedia = "mov,mp4,m4a,3gp,3g2,mj2";

struct Container {
    std::string format, brand, video, audio;  // with the codecs used when none is named
};

const std::map<std::string, Container, std::less<>> kContainers = {
    {".mp4", {kIsoMedia, "isom", "mpeg4", "aac"}},
    {".mov", {kIsoMedia, "qt", "mpeg4", "aac"}},
    {".3gp", {kIsoMedia, "3gp4", "h263", "amr_nb"}},
    {".m4a", {kIsoMedia, "M4A", "", "aac"}},
    {".avi", {"avi", "", "mpeg4", "mp3"}},
    {".flv", {"flv", "", "flv1", "mp3"}},
    {".swf", {"swf", "", "flv1", "mp3"}},
    {".mpg", {"mpeg", "", "mpeg1video", "mp2"}},
    {".dv", {"dv", "", "dvvideo", "pcm_s16le"}},
    {".wmv", {"asf", "", "msmpeg4v3", "wmav2"}},
    {".wma", {"asf", "", "", "wmav2"}},
    {".mp3", {"mp3", "", "", "mp3"}},
    {".ogg", {"ogg", "", "", "vorbis"}},
    {".wav", {"wav", "", "", "pcm_s16le"}},
    {".ac3", {"ac3", "", "", "ac3"}},
};

// The stream codec an encoder writes; missing encoders fall back to ones
// that write the same (libxvid -> mpeg4, libmp3lame -> libshine, ...).
std::string CodecOf(const std::string& encoder) {
    static const std::map<std::string, std::string, std::less<>> kCodecs = {
        {"libx264", "h264"}, {"libxvid", "mpeg4"},  {"msmpeg4", "msmpeg4v3"}, {"flv", "flv1"},
        {"libfaac", "aac"},  {"libmp3lame", "mp3"}, {"libvorbis", "vorbis"},
    };
    const auto found = kCodecs.find(encoder);
    return found != kCodecs.end() ? found->second : encoder;
}

}  // namespace

Streams ExpectedStreams(const ProfileEntry& profile) {
    const Container& container = kContainers.at(std::string(profile.extension));
    Streams expected{container.format, container.brand, container.video, container.audio};
    const std::vector<std::string> tokens = SplitArgumentsLikeCrt(profile.arguments);
    for (std::size_t at = 0; at + 1 < tokens.size(); ++at) {
        const std::string& value = tokens[at + 1];
        if (tokens[at] == "-vcodec") {
            expected.video = CodecOf(value);
        } else if (tokens[at] == "-acodec") {
            expected.audio = CodecOf(value);
        } else if (tokens[at] == "-target") {
            const bool dvd = value.ends_with("dvd");
            expected.video = value.ends_with("dv") ? "dvvideo" : dvd ? "mpeg2video" : "mpeg1video";
            expected.audio = value.ends_with("dv") ? "pcm_s16le" : dvd ? "ac3" : "mp2";
        }
    }
    for (const std::string& token : tokens) {
        if (token == "-vn") {
            expected.video.clear();
        }
    }
    return expected;
}

Streams ParseProbedStreams(const std::string& ffprobeOutput) {
    Streams probed;
    std::istringstream lines(ffprobeOutput);
    for (std::string line; std::getline(lines, line);) {
        std::map<std::string, std::string> fields;
        std::istringstream parts(line);
        for (std::string part; std::getline(parts, part, '|');) {
            const std::size_t equals = part.find('=');
            if (equals != std::string::npos) {
                fields[part.substr(0, equals)] = part.substr(equals + 1);
            }
        }
        if (fields.contains("format_name")) {
            probed.format = fields["format_name"];
            std::string brand = fields["tag:major_brand"];
            probed.brand = brand.erase(brand.find_last_not_of(' ') + 1);
        } else if (fields["codec_type"] == "video" && probed.video.empty()) {
            probed.video = fields["codec_name"];
        } else if (fields["codec_type"] == "audio" && probed.audio.empty()) {
            probed.audio = fields["codec_name"];
        }
    }
    return probed;
}

}  // namespace kestrum::test
