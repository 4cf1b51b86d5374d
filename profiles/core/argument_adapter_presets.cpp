#include <algorithm>
#include <array>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

// The libx264 preset files that ffmpeg shipped, each with the settings it
// held, one "option=value" per line as in the file. -vpre NAME read
// libx264-NAME.ffpreset when the video encoder was libx264.
constexpr std::string_view kCommon2008 =
    "flags=+loop cmp=+chroma g=250 keyint_min=25 sc_threshold=40 i_qfactor=0.71 qcomp=0.6 "
    "qmin=10 qmax=51 qdiff=4 ";
constexpr std::string_view kAllPartitions = "partitions=+parti8x8+parti4x4+partp8x8+partb8x8 ";

struct PresetFile {
    std::string_view name, common, partitions, settings;
};

constexpr std::array kX264Presets = {
    // default: the files' middle ground of 2008.
    PresetFile{
        "default", kCommon2008, kAllPartitions,
        "coder=1 me_range=16 me_method=hex subq=7 b_strategy=1 bf=3 refs=3 directpred=1 trellis=1 "
        "flags2=+mixed_refs+wpred+dct8x8+fastpskip"},
    // normal: a little faster than default.
    PresetFile{
        "normal", kCommon2008, kAllPartitions,
        "coder=1 me_range=16 me_method=hex subq=6 b_strategy=1 bf=3 refs=2 directpred=3 trellis=0 "
        "flags2=+wpred+dct8x8+fastpskip"},
    // hq: high quality.
    PresetFile{
        "hq", kCommon2008, kAllPartitions,
        "coder=1 me_range=16 me_method=umh subq=8 b_strategy=2 bf=3 refs=4 directpred=3 trellis=1 "
        "flags2=+wpred+mixed_refs+dct8x8+fastpskip"},
    // max: the slowest and best.
    PresetFile{"max", kCommon2008, "partitions=+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8 ",
               "coder=1 me_method=tesa subq=10 me_range=24 b_strategy=2 bf=3 refs=16 directpred=3 "
               "trellis=2 flags2=+wpred+mixed_refs+dct8x8-fastpskip"},
    // fastfirstpass and slowfirstpass: first passes of a two-pass encoding.
    PresetFile{
        "fastfirstpass", kCommon2008, "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8 ",
        "coder=1 me_range=16 me_method=dia subq=1 b_strategy=1 bf=3 refs=1 directpred=3 trellis=0 "
        "flags2=-bpyramid-wpred-mixed_refs-dct8x8+fastpskip"},
    PresetFile{
        "slowfirstpass", kCommon2008, kAllPartitions,
        "coder=1 me_range=16 me_method=hex subq=6 b_strategy=2 bf=3 refs=1 directpred=3 trellis=0 "
        "flags2=+wpred+dct8x8+fastpskip"},
    // lossless_*: constant quantiser 0 at six speeds.
    PresetFile{"lossless_ultrafast", kCommon2008,
               "partitions=-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8 ",
               "coder=0 me_range=16 me_method=dia subq=0 b_strategy=1 directpred=1 "
               "flags2=+fastpskip+mbtree "
               "cqp=0"},
    PresetFile{"lossless_fast", kCommon2008,
               "partitions=-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8 ",
               "coder=0 me_range=16 me_method=hex subq=3 b_strategy=1 directpred=1 "
               "flags2=+fastpskip+mbtree cqp=0 wpredp=0"},
    PresetFile{"lossless_medium", kCommon2008,
               "partitions=-parti8x8+parti4x4+partp8x8+partp4x4-partb8x8 ",
               "coder=1 me_range=16 me_method=hex subq=5 b_strategy=1 directpred=1 "
               "flags2=+fastpskip cqp=0 wpredp=2"},
    PresetFile{"lossless_slow", kCommon2008,
               "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8 ",
               "coder=1 me_range=16 me_method=umh subq=6 b_strategy=1 refs=2 directpred=1 "
               "flags2=+dct8x8+fastpskip+mbtree cqp=0 wpredp=2"},
    PresetFile{"lossless_slower", kCommon2008,
               "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8 ",
               "coder=1 me_range=16 me_method=umh subq=8 b_strategy=1 refs=4 directpred=1 "
               "flags2=+mixed_refs+dct8x8+fastpskip cqp=0"},
    PresetFile{"lossless_max", kCommon2008,
               "partitions=+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8 ",
               "coder=1 me_range=16 me_method=esa subq=8 b_strategy=1 refs=16 directpred=1 "
               "flags2=+mixed_refs+dct8x8+fastpskip cqp=0"},
    // baseline and main: the H.264 profiles, added on top of a speed preset.
    PresetFile{"baseline", "", "", "coder=0 bf=0 flags2=-wpred-dct8x8 wpredp=0"},
    PresetFile{"main", "", "", "flags2=-dct8x8+mbtree"},
    // ipod320 and ipod640: the iPod's Baseline limits for its two screen sizes.
    PresetFile{"ipod320", "", "",
               "coder=0 bf=0 flags2=-wpred-dct8x8+mbtree level=13 maxrate=768000 "
               "bufsize=3000000 wpredp=0"},
    PresetFile{"ipod640", "", "",
               "coder=0 bf=0 refs=1 flags2=-wpred-dct8x8 level=30 maxrate=10000000 "
               "bufsize=10000000 wpredp=0"},
};

// The files of 2010 named after x264's own presets held those presets'
// settings; libx264 applies them itself today. Their _firstpass companions
// held the faster settings of a first pass, which libx264 applies to a first
// pass by itself.
constexpr std::array kX264OwnPresets = {
    std::string_view("ultrafast"), std::string_view("superfast"), std::string_view("veryfast"),
    std::string_view("faster"),    std::string_view("fast"),      std::string_view("medium"),
    std::string_view("slow"),      std::string_view("slower"),    std::string_view("veryslow"),
    std::string_view("placebo"),
};

// "hq", "libx264-hq" or (for -fpre) ".../libx264-hq.ffpreset": "hq".
std::string PresetName(std::string name) {
    name.erase(0, name.find_last_of("/\\") + 1);
    if (name.ends_with(".ffpreset")) {
        name.erase(name.size() - 9);
    }
    if (name.starts_with("libx264-")) {
        name.erase(0, 8);
    }
    return name;
}

// The preset's settings as options, empty when the name is not known.
std::vector<std::string> X264PresetOptions(std::string name) {
    if (name.ends_with("_firstpass")) {
        name.erase(name.size() - 10);
    }
    if (std::ranges::find(kX264OwnPresets, name) != kX264OwnPresets.end()) {
        return {"-preset", name};
    }
    std::vector<std::string> options;
    for (const PresetFile& preset : kX264Presets) {
        if (preset.name != name) {
            continue;
        }
        const std::string lines = std::string(preset.common) + std::string(preset.partitions) +
                                  std::string(preset.settings);
        for (std::size_t at = 0; at < lines.size();) {
            const std::size_t equals = lines.find('=', at);
            const std::size_t end = std::min(lines.find(' ', equals), lines.size());
            options.push_back("-" + lines.substr(at, equals - at));
            options.push_back(lines.substr(equals + 1, end - equals - 1));
            at = end + 1;
        }
    }
    return options;
}

}  // namespace

void ExpandPresetFiles(ArgumentTokens& tokens, const OutputDescription& output, Notes& notes) {
    const OptionNames kPresetOptions = {"-vpre", "-fpre", "-apre", "-spre"};
    while (const auto at = tokens.Find(kPresetOptions)) {
        const std::string option = tokens[*at];
        const std::string value = tokens.ValueAt(*at) ? tokens[*at + 1] : "";
        tokens.Erase(*at, 2);
        const bool video = option == "-vpre" || option == "-fpre";
        const bool x264 = output.videoEncoderNamed && output.videoEncoder == "libx264";
        const std::vector<std::string> settings =
            video && x264 ? X264PresetOptions(PresetName(value)) : std::vector<std::string>{};
        if (!settings.empty()) {
            tokens.Insert(*at, settings);
            continue;
        }
        notes.Add(option + " " + value + ": " +
                  (video
                       ? "not one of the libx264 preset files of the time, whose settings are known"
                       : "today's ffmpeg has no preset files of that kind") +
                  "; the preset is dropped");
    }
}

}  // namespace kestrum::adapter_rules
