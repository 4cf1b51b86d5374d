#pragma once

#include "convert/core/user_prompts.h"

namespace kestrum {

// The engine's questions and messages as the program's message boxes,
// through the dialog service, owned by whichever window is active.
class MessageBoxPrompts final : public UserPrompts {
public:
    bool AskYesNo(Question question, std::string_view text) override;
    void ShowInformation(std::string_view text) override;
    void ShowError(std::string_view text) override;
};

}  // namespace kestrum
