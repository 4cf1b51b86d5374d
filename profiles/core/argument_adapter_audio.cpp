#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

// What -async N did: resample to the timestamps, starting at zero.
std::string AsyncResample(std::string_view samples) {
    return "aresample=async=" + std::string(samples) + ":min_hard_comp=0.100000:first_pts=0";
}

// Old builds took the Vorbis quality in tenths (-aq 60); today's take 0 to 10.
void VorbisQuality(ArgumentTokens& tokens, const OutputDescription& output) {
    if (!IsVorbisEncoder(output.audioEncoder)) {
        return;
    }
    for (auto at = tokens.Find({"-aq"}); at; at = tokens.Find({"-aq"}, *at + 1)) {
        const auto valueAt = tokens.ValueAt(*at);
        const auto quality = valueAt ? ParseScaledNumber(tokens[*valueAt]) : std::nullopt;
        if (quality && *quality > 10) {
            tokens[*at] = "-q:a";
            tokens[*valueAt] = FormatNumber(*quality / 10);
        }
    }
}

void Async(ArgumentTokens& tokens) {
    const auto samples = tokens.LastValue({"-async"});
    const auto at = tokens.EraseOptionsWithValue({"-async"});
    if (at && samples) {
        PrependFilter(tokens, kAudioFilterOptions, "-af", AsyncResample(*samples), *at);
    }
}

// -vol scaled the samples, 256 being unchanged; today that is the volume
// filter.
void Volume(ArgumentTokens& tokens) {
    const auto level = tokens.LastValue({"-vol"});
    const auto at = tokens.EraseOptionsWithValue({"-vol"});
    const auto scale = level ? ParseScaledNumber(*level) : std::nullopt;
    if (at && scale) {
        AppendFilter(tokens, kAudioFilterOptions, "-af", "volume=" + FormatNumber(*scale / 256),
                     *at);
    }
}

// The DV muxer needs exactly one frame's worth of audio per video frame; the
// resampler's start-up delay (44.1 kHz input into NTSC DV) breaks that unless
// the audio is kept in step with its timestamps, as -async 1 did.
void DvAudioInStep(ArgumentTokens& tokens, const OutputDescription& output) {
    if (output.format != "dv" || !output.hasAudio) {
        return;
    }
    const auto chain = tokens.LastValue(kAudioFilterOptions);
    if (chain && chain->find("async=") != std::string::npos) {
        return;
    }
    PrependFilter(tokens, kAudioFilterOptions, "-af", AsyncResample("1"), tokens.Size());
}

}  // namespace

void AdaptAudioOptions(ArgumentTokens& tokens, const OutputDescription& output) {
    VorbisQuality(tokens, output);
    Async(tokens);
    Volume(tokens);
    DvAudioInStep(tokens, output);
}

}  // namespace kestrum::adapter_rules
