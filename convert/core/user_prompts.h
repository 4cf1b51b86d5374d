#pragma once

#include <string_view>

namespace kestrum {

// Which question is asked, so that a front end without a user (a script,
// a test) can answer each by its own rule.
enum class Question {
    Overwrite,           // "<output> has existed,overite it?"
    CreateOutputFolder,  // "<folder>, the output directory does not exist. ..."
};

// The message boxes of a conversion, with the product title as caption. The
// GUI shows them; kestrum-convert asks on the terminal or answers by its
// options; the tests script the answers. Called on the main thread.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A Yes/No question with the information icon; true for Yes.
    virtual bool AskYesNo(Question question, std::string_view text) = 0;
    // A notice with the information icon.
    virtual void ShowInformation(std::string_view text) = 0;
    // A failure with the error icon.
    virtual void ShowError(std::string_view text) = 0;
};

}  // namespace kestrum
