#include <array>
#include <charconv>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

const OptionNames kPadOptions = {"-padtop", "-padbottom", "-padleft", "-padright"};

// The old options took whole pixels and read them with atoi.
int Pixels(const ArgumentTokens& tokens, std::string_view option) {
    const std::string value = tokens.LastValue({option}).value_or("0");
    int pixels = 0;
    std::from_chars(value.data(), value.data() + value.size(), pixels);
    return pixels;
}

std::string Grown(std::string_view side, int by) {
    return by == 0 ? std::string(side) : std::string(side) + "+" + std::to_string(by);
}

// -s named the picture's size inside the padding, so with padding the
// scaling goes into the chain before it instead of ending the chain.
void ScaleBeforePadding(ArgumentTokens& tokens) {
    if (!tokens.Has(kPadOptions)) {
        return;
    }
    const auto size = tokens.LastValue({"-s"});
    const auto at = tokens.EraseOptionsWithValue({"-s"});
    if (!at || !size) {
        return;
    }
    const std::size_t x = size->find('x');
    const bool pixels = x != std::string::npos && x > 0 && x + 1 < size->size() &&
                        size->find_first_not_of("0123456789x") == std::string::npos;
    PrependFilter(
        tokens, kVideoFilterOptions, "-vf",
        pixels ? "scale=" + size->substr(0, x) + ":" + size->substr(x + 1) : "scale=size=" + *size,
        *at);
}

// -croptop/-cropbottom/-cropleft/-cropright (bands cut off each side) became
// the crop filter; it goes first in the chain, before the scaling that -s
// adds at its end.
void CropFilter(ArgumentTokens& tokens) {
    const auto side = [&](std::string_view name) { return tokens.LastValue({name}).value_or("0"); };
    const std::string top = side("-croptop"), bottom = side("-cropbottom");
    const std::string left = side("-cropleft"), right = side("-cropright");
    const auto at =
        tokens.EraseOptionsWithValue({"-croptop", "-cropbottom", "-cropleft", "-cropright"});
    if (!at) {
        return;
    }
    PrependFilter(
        tokens, kVideoFilterOptions, "-vf",
        "crop=iw-" + left + "-" + right + ":ih-" + top + "-" + bottom + ":" + left + ":" + top,
        *at);
}

// -deinterlace deinterlaced the decoded picture before anything else.
void Deinterlace(ArgumentTokens& tokens) {
    const auto at = tokens.EraseOptions({"-deinterlace"});
    if (!at) {
        return;
    }
    PrependFilter(tokens, kVideoFilterOptions, "-vf", "yadif", *at);
}

// -padtop/-padbottom/-padleft/-padright (bands added around the encoded
// picture) and -padcolor (their colour as RRGGBB) became the pad filter,
// last in the chain.
void PadFilter(ArgumentTokens& tokens) {
    const int top = Pixels(tokens, "-padtop"), bottom = Pixels(tokens, "-padbottom");
    const int left = Pixels(tokens, "-padleft"), right = Pixels(tokens, "-padright");
    std::string colour = tokens.LastValue({"-padcolor"}).value_or("");
    const auto colourAt = tokens.EraseOptionsWithValue({"-padcolor"});
    const auto at = tokens.EraseOptionsWithValue(kPadOptions);
    if (!at) {
        return;  // a colour alone painted nothing
    }
    if (colour.starts_with('#')) {
        colour.erase(0, 1);
    }
    std::string pad = "pad=" + Grown("iw", left + right) + ":" + Grown("ih", top + bottom) + ":" +
                      std::to_string(left) + ":" + std::to_string(top);
    if (!colour.empty()) {
        pad += ":color=" + (colour.starts_with("0x") ? colour : "0x" + colour);
    }
    AppendFilter(tokens, kVideoFilterOptions, "-vf", pad,
                 colourAt ? std::min(*at, *colourAt) : *at);
}

// Filters of the first -vf builds that were renamed (aspect, pixelaspect).
void RenamedFilters(ArgumentTokens& tokens) {
    constexpr std::array kRenamed = {
        // aspect: the display aspect ratio.
        Pair{"aspect", "setdar"},
        // pixelaspect: the sample aspect ratio.
        Pair{"pixelaspect", "setsar"},
    };
    for (auto at = tokens.Find(kVideoFilterOptions); at;
         at = tokens.Find(kVideoFilterOptions, *at + 1)) {
        const auto valueAt = tokens.ValueAt(*at);
        if (!valueAt) {
            return;
        }
        std::string& chain = tokens[*valueAt];
        for (std::size_t start = 0; start < chain.size();) {
            const std::size_t end = chain.find_first_of("=,;", start);
            const std::string_view name =
                std::string_view(chain).substr(start, end == std::string::npos ? end : end - start);
            if (const std::string_view modern = LookUp(kRenamed, name); !modern.empty()) {
                chain.replace(start, name.size(), modern);
            }
            const std::size_t next = chain.find_first_of(",;", start);
            start = next == std::string::npos ? chain.size() : next + 1;
        }
    }
}

}  // namespace

void PrependFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                   const std::string& filter, std::size_t at) {
    if (const auto chain = tokens.FindLast(chainOptions)) {
        if (const auto valueAt = tokens.ValueAt(*chain)) {
            tokens[*valueAt] = filter + "," + tokens[*valueAt];
            return;
        }
    }
    tokens.Insert(at, {std::string(newOption), filter});
}

void AppendFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                  const std::string& filter, std::size_t at) {
    if (const auto chain = tokens.FindLast(chainOptions)) {
        if (const auto valueAt = tokens.ValueAt(*chain)) {
            tokens[*valueAt] += "," + filter;
            return;
        }
    }
    tokens.Insert(at, {std::string(newOption), filter});
}

void AdaptPicture(ArgumentTokens& tokens, Notes& notes) {
    // Each step puts its filter before the chain so far, so they run in
    // the old pipeline's order: deinterlace, hooks, crop, scale, the chain.
    RenamedFilters(tokens);
    ScaleBeforePadding(tokens);
    CropFilter(tokens);
    AdaptVideoHooks(tokens, notes);
    Deinterlace(tokens);
    PadFilter(tokens);
}

}  // namespace kestrum::adapter_rules
