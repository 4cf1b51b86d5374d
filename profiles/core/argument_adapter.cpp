#include "profiles/core/argument_adapter.h"

#include <algorithm>

#include "app/core/string_table.h"
#include "profiles/core/argument_adapter_rules.h"
#include "profiles/core/command_line.h"

namespace kestrum {

void adapter_rules::Notes::Add(std::string note) {
    if (std::ranges::find(notes_, note) == notes_.end()) {
        notes_.push_back(std::move(note));
    }
}

bool EncoderCapabilities::HasEncoder(std::string_view name) const {
    return !encodersKnown || std::ranges::binary_search(encoders, name);
}

AdaptedArguments AdaptArguments(std::string_view arguments, std::string_view extension,
                                const EncoderCapabilities& encoder) {
    if (!encoder.modern) {
        return {AdaptOutcome::Unchanged, std::string(arguments), {}};
    }
    const std::vector<std::string> original = SplitArgumentsLikeCrt(arguments);
    ArgumentTokens tokens(original);
    adapter_rules::Notes notes;
    // First, so that the settings a preset file held are adapted like the
    // user's own options.
    adapter_rules::ExpandPresetFiles(tokens, DescribeOutput(tokens, extension, encoder), notes);
    adapter_rules::ModernizeSpellings(tokens);

    const OutputDescription asWritten = DescribeOutput(tokens, extension, encoder);
    if (asWritten.videoEncoderNamed && asWritten.videoEncoder == "libx264" &&
        !encoder.HasEncoder("libx264")) {
        return {AdaptOutcome::NeedsLibx264, {}, {}};
    }
    adapter_rules::SubstituteEncoders(tokens, asWritten, encoder, notes);

    const OutputDescription output = DescribeOutput(tokens, extension, encoder);
    adapter_rules::AdaptPicture(tokens, notes);
    adapter_rules::AdaptVideoOptions(tokens, output);
    adapter_rules::AdaptQuality(tokens, output, notes);
    adapter_rules::AdaptX264Options(tokens, output);
    adapter_rules::AdaptAudioOptions(tokens, output);
    adapter_rules::AdaptStreamOptions(tokens, notes);

    if (tokens.All() == original) {
        return {AdaptOutcome::Unchanged, std::string(arguments), {}};
    }
    return {AdaptOutcome::Adapted, JoinArgumentsLikeCrt(tokens.All()), notes.Take()};
}

std::string AdaptRefusalMessage(AdaptOutcome outcome, std::string_view profileCaption) {
    switch (outcome) {
        case AdaptOutcome::NeedsLibx264:
            return std::string(profileCaption) + std::string(texts::kNeedsLibx264);
        case AdaptOutcome::Unchanged:
        case AdaptOutcome::Adapted:
            break;
    }
    return {};
}

}  // namespace kestrum
