#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrum {

using OptionNames = std::initializer_list<std::string_view>;

// An argument string as tokens that the adapter's rules rewrite in place. An
// option is found by its exact name wherever it stands; its value is the token
// after it. Values never spell option names in practice, so no table of which
// option takes a value is needed, and unknown options simply stay.
class ArgumentTokens {
public:
    explicit ArgumentTokens(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

    const std::vector<std::string>& All() const { return tokens_; }
    std::size_t Size() const { return tokens_.size(); }
    std::string& operator[](std::size_t at) { return tokens_[at]; }
    const std::string& operator[](std::size_t at) const { return tokens_[at]; }

    // Where the first option named one of `names` stands, from `from` on.
    std::optional<std::size_t> Find(OptionNames names, std::size_t from = 0) const;
    // Where the last one stands: the encoder lets the last of an option win.
    std::optional<std::size_t> FindLast(OptionNames names) const;
    bool Has(OptionNames names) const { return Find(names).has_value(); }
    // The value of the last such option that has one.
    std::optional<std::string> LastValue(OptionNames names) const;
    // The position of the value of the option at `option`, if there is one.
    std::optional<std::size_t> ValueAt(std::size_t option) const;

    void Erase(std::size_t at, std::size_t count = 1);
    void Insert(std::size_t at, std::vector<std::string> tokens);
    // Removes every option named one of `names` together with its value and
    // returns where the first one stood (or nothing when none was there).
    std::optional<std::size_t> EraseOptionsWithValue(OptionNames names);
    // The same for options that take no value.
    std::optional<std::size_t> EraseOptions(OptionNames names);

private:
    std::vector<std::string> tokens_;
};

// Joins tokens into an argument string that SplitArgumentsLikeCrt splits back
// into exactly these tokens: one blank between tokens, one after the last,
// double quotes only around tokens that need them.
std::string JoinArgumentsLikeCrt(const std::vector<std::string>& tokens);

// A bit rate or size as the encoder reads it ("3000k", "1.5M", "64000").
std::optional<double> ParseScaledNumber(std::string_view text);

// Shortest decimal form of a value: 6, 6.5, 0.0853333.
std::string FormatNumber(double value);

}  // namespace kestrum
