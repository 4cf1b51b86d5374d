#pragma once

#include <optional>
#include <string>

#include "convert/core/user_prompts.h"

namespace kestrum {

// What a batch runs with, as the main window holds it when Convert is pressed.
struct BatchChoices {
    bool SameAsInput = false;  // outputs beside their inputs
    std::string OutputFolder;  // otherwise here
    std::string Profile;       // the profile box's caption (or a manual command)
    bool NotUseAnotherFFmpeg = true;
    std::string AnotherFFmpeg;
};

// How the checks before a batch came out.
enum class BatchCheck {
    Ready,
    FolderDeclined,    // the user did not want the missing folder created
    FolderNotCreated,  // creating it failed (nothing is shown)
    NoProfile,
    EncoderMissing,
};

// The message that keeps a batch from starting for want of a profile or of
// the other encoder's file; nothing when both are fine.
std::optional<std::string> ProfileOrEncoderProblem(const BatchChoices& choices);

// The checks before any file is chosen, in this order: the output folder
// (unless outputs go beside their inputs; a missing one is offered to be
// created with its parents), the profile, the other encoder. Messages and
// the question go through `prompts`. A folder created here stays created
// even when a later check fails.
BatchCheck CheckBeforeBatch(const BatchChoices& choices, UserPrompts& prompts);

}  // namespace kestrum
