#pragma once

#include <string>
#include <string_view>

#include "profiles/core/argument_adapter.h"
#include "profiles/core/argument_adapter_formats.h"
#include "profiles/core/argument_adapter_tokens.h"

// The rewriting rules, in the order the adapter applies them. Each keeps the
// tokens it does not know and leaves already-modern spellings as they are.
namespace kestrum::adapter_rules {

// Bit rates written "128kb", -b and -ab, and a -bufsize without a unit.
void ModernizeSpellings(ArgumentTokens& tokens);

// Encoders that today's builds lack or name differently (libfaac, vorbis,
// libxvid, libmp3lame), and mov/mp4 outputs that name no video encoder.
void SubstituteEncoders(ArgumentTokens& tokens, const OutputDescription& output,
                        const EncoderCapabilities& encoder);

// Cropping, codec flags, trellis, -mv0, motion estimation for the MPEG video
// encoders, -level and FourCC tags.
void AdaptVideoOptions(ArgumentTokens& tokens, const OutputDescription& output);

// Options that libx264 now takes under its own names, and the Baseline
// streams of its old wrapper that device profiles rely on.
void AdaptX264Options(ArgumentTokens& tokens, const OutputDescription& output);

// Vorbis quality, -async, and DV outputs that need their audio kept in step.
void AdaptAudioOptions(ArgumentTokens& tokens, const OutputDescription& output);

// Puts `filter` first in the chain of `chainOptions`, or starts a chain with
// `newOption` at `at` when there is none.
void PrependFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                   const std::string& filter, std::size_t at);

// Where a codec option names `encoder` (its value's position), if one does.
std::optional<std::size_t> EncoderValueAt(const ArgumentTokens& tokens, OptionNames codecOptions,
                                          std::string_view encoder);

}  // namespace kestrum::adapter_rules
