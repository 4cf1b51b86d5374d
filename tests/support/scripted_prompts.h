#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "convert/core/user_prompts.h"

namespace kestrum::test {

// Answers questions from a script and records everything shown.
class ScriptedPrompts final : public UserPrompts {
public:
    bool AskYesNo(Question question, std::string_view text) override {
        asked.push_back({question, std::string(text)});
        if (whileAsking) {
            whileAsking();
        }
        return answer;
    }
    void ShowInformation(std::string_view text) override { shown.emplace_back(text); }
    void ShowError(std::string_view text) override { shown.emplace_back(text); }

    bool answer = true;
    std::function<void()> whileAsking;  // what the user does meanwhile
    std::vector<std::pair<Question, std::string>> asked;
    std::vector<std::string> shown;
};

}  // namespace kestrum::test
