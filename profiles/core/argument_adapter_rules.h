#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "profiles/core/argument_adapter.h"
#include "profiles/core/argument_adapter_formats.h"
#include "profiles/core/argument_adapter_tokens.h"

// The rewriting rules, in the order the adapter applies them. Each keeps the
// tokens it does not know and leaves already-modern spellings as they are.
namespace kestrum::adapter_rules {

// What the rules dropped or could only approximate, each sentence once.
class Notes {
public:
    void Add(std::string note);
    std::vector<std::string> Take() { return std::move(notes_); }

private:
    std::vector<std::string> notes_;
};

// Preset files (-vpre, -fpre, -apre, -spre): the settings a known libx264
// preset held, in their old spelling for the later rules to adapt.
void ExpandPresetFiles(ArgumentTokens& tokens, const OutputDescription& output, Notes& notes);

// Bit rates written "128kb", -b and -ab, and a -bufsize without a unit.
void ModernizeSpellings(ArgumentTokens& tokens);

// Encoders that today's builds lack or name differently (libfaac, vorbis,
// libxvid, libmp3lame, the AAC and AMR wrappers of the time), and mov/mp4
// outputs that name no video encoder.
void SubstituteEncoders(ArgumentTokens& tokens, const OutputDescription& output,
                        const EncoderCapabilities& encoder, Notes& notes);

// The picture's way through the old pipeline as one filter chain:
// deinterlacing, video hooks, cropping, scaling, the user's chain, padding.
void AdaptPicture(ArgumentTokens& tokens, Notes& notes);

// -vhook: the drawtext and imlib2 hooks' text became the drawtext filter,
// put before the chain so far; other hooks are dropped.
void AdaptVideoHooks(ArgumentTokens& tokens, Notes& notes);

// `value` quoted and escaped so that a filter chain's two levels of parsing
// give it back unchanged as one option value.
std::string FilterOptionValue(std::string_view value);

// Codec flags, trellis, -mv0, motion estimation for the MPEG video encoders,
// -level and FourCC tags.
void AdaptVideoOptions(ArgumentTokens& tokens, const OutputDescription& output);

// -flags and -flags2 values and the bare flag options that became options of
// the encoders that knew them.
void AdaptCodecFlags(ArgumentTokens& tokens, const OutputDescription& output);

// -sameq, a -qscale without a stream and -intra.
void AdaptQuality(ArgumentTokens& tokens, const OutputDescription& output, Notes& notes);

// Options that libx264 now takes under its own names, and the Baseline
// streams of its old wrapper that device profiles rely on.
void AdaptX264Options(ArgumentTokens& tokens, const OutputDescription& output);

// Vorbis quality, -async, -vol, and DV outputs that need their audio kept in
// step.
void AdaptAudioOptions(ArgumentTokens& tokens, const OutputDescription& output);

// Stream maps, sync methods, metadata options, per-kind options that took a
// stream suffix, and options that had no effect on a file's conversion.
void AdaptStreamOptions(ArgumentTokens& tokens, Notes& notes);

// Puts `filter` first in the chain of `chainOptions`, or starts a chain with
// `newOption` at `at` when there is none.
void PrependFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                   const std::string& filter, std::size_t at);

// Puts `filter` last in the chain, or starts one as PrependFilter does.
void AppendFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                  const std::string& filter, std::size_t at);

// Where a codec option names `encoder` (its value's position), if one does.
std::optional<std::size_t> EncoderValueAt(const ArgumentTokens& tokens, OptionNames codecOptions,
                                          std::string_view encoder);

// Adds `flag` ("mv0", "qp_rd", ...) to the MPEG video encoders' -mpv_flags,
// starting one at `at` when there is none.
void AddMpegVideoFlag(ArgumentTokens& tokens, std::string_view flag, std::size_t at);

}  // namespace kestrum::adapter_rules
