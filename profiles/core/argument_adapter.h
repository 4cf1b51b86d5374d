#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

// What a probe of the encoder program learned about the build that will run.
struct EncoderCapabilities {
    // Builds of about 2010 take the catalogue's options as written; a modern
    // build (3.0 or later, or a git build) needs them adapted.
    bool modern = false;
    // The encoder names the build listed; when the list could not be read,
    // every encoder counts as present and nothing is substituted.
    bool encodersKnown = false;
    std::vector<std::string> encoders;  // sorted

    bool HasEncoder(std::string_view name) const;
};

enum class AdaptOutcome {
    Unchanged,     // run the arguments exactly as composed
    Adapted,       // run the adapted arguments instead
    NeedsLibx264,  // the profile asks for H.264 and the build has no libx264
};

struct AdaptedArguments {
    AdaptOutcome outcome = AdaptOutcome::Unchanged;
    // Unchanged: the arguments as given. Adapted: the rewritten arguments,
    // quoted where needed so that they split back into the same tokens, and
    // ending with one space like every catalogue argument string. Empty for a
    // refusal.
    std::string arguments;
    // What the rewriting dropped or could only approximate, one sentence
    // each, for the front ends that tell their user.
    std::vector<std::string> notes;
};

// Rewrites an argument string written for the encoder builds of about 2010 so
// that the probed modern build accepts it with the same meaning, token by
// token; tokens it does not know pass unchanged. `extension` is the output
// extension with its dot. Idempotent: adapting adapted arguments changes
// nothing. With an old build the arguments are never touched.
AdaptedArguments AdaptArguments(std::string_view arguments, std::string_view extension,
                                const EncoderCapabilities& encoder);

// The message a job fails with when its arguments cannot be adapted; empty
// for the outcomes that run.
std::string AdaptRefusalMessage(AdaptOutcome outcome, std::string_view profileCaption);

}  // namespace kestrum
