#include <array>
#include <cctype>
#include <map>
#include <sstream>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

// A hook's command line as the old builds split it: at blanks, no quoting.
struct Hook {
    std::string module;  // "drawtext", "imlib2", ...
    std::map<std::string, std::string> options;
};

Hook ReadHook(const std::string& commandLine) {
    std::istringstream words(commandLine);
    std::string word;
    Hook hook;
    words >> hook.module;
    hook.module.erase(0, hook.module.find_last_of("/\\") + 1);
    hook.module.erase(std::min(hook.module.find('.'), hook.module.size()));
    // drawtext's -b (box) and -o (outline) take no value.
    constexpr std::string_view kSwitches = "bo";
    std::string option;
    while (words >> word) {
        if (word.size() == 2 && word[0] == '-' &&
            std::isalpha(static_cast<unsigned char>(word[1]))) {
            const bool isSwitch = kSwitches.find(word[1]) != std::string_view::npos;
            hook.options[word] = isSwitch ? "1" : "";
            option = isSwitch ? "" : word;
        } else if (!option.empty()) {
            hook.options[option] = word;
            option.clear();
        }
    }
    return hook;
}

std::string Option(const Hook& hook, const std::string& name, std::string fallback = {}) {
    const auto found = hook.options.find(name);
    return found == hook.options.end() || found->second.empty() ? fallback : found->second;
}

// imlib2's expressions named the frame number N and the text's size w and
// h; drawtext names them n, tw and th (w and h are the picture's there).
std::string DrawtextExpression(const std::string& expression) {
    constexpr std::array kNames = {Pair{"N", "n"}, Pair{"w", "tw"}, Pair{"h", "th"}};
    std::string result;
    for (std::size_t at = 0; at < expression.size();) {
        std::size_t end = at;
        while (
            end < expression.size() &&
            (std::isalnum(static_cast<unsigned char>(expression[end])) || expression[end] == '_')) {
            ++end;
        }
        if (end == at) {
            result += expression[at++];
            continue;
        }
        const std::string_view name(expression.data() + at, end - at);
        const std::string_view renamed = LookUp(kNames, name);
        result += renamed.empty() ? name : renamed;
        at = end;
    }
    return result;
}

std::string Setting(std::string_view name, const std::string& value) {
    return ":" + std::string(name) + "=" + FilterOptionValue(value);
}

// drawtext.so: -f font file, -t text (through strftime), -T text file, -x and
// -y position, -s size, -c and -C text and background colour, -b a box in
// the background colour, -o outlines in it.
std::string FromDrawtextHook(const Hook& hook) {
    const std::string text = Option(hook, "-t");
    const std::string background = Option(hook, "-C", "#000000");
    std::string filter = "drawtext=fontfile=" + FilterOptionValue(Option(hook, "-f"));
    filter += hook.options.contains("-T") ? Setting("textfile", Option(hook, "-T")) + ":reload=1"
                                          : Setting("text", text);
    if (text.find('%') != std::string::npos) {
        filter += ":expansion=strftime";
    }
    filter += Setting("x", Option(hook, "-x", "0")) + Setting("y", Option(hook, "-y", "0"));
    filter += Setting("fontsize", Option(hook, "-s", "16"));
    filter += Setting("fontcolor", Option(hook, "-c", "#ffffff"));
    if (hook.options.contains("-b")) {
        filter += ":box=1" + Setting("boxcolor", background);
    }
    if (hook.options.contains("-o")) {
        filter += ":borderw=1" + Setting("bordercolor", background);
    }
    return filter;
}

// imlib2.so's text: -t text, -f text file, -F font as name/size, -c colour,
// -x and -y expressions.
std::string FromImlib2Hook(const Hook& hook) {
    const std::string font = Option(hook, "-F");
    const std::size_t slash = font.rfind('/');
    std::string face = font.substr(0, slash);
    face.erase(std::min(face.rfind(".ttf"), face.size()));
    std::string filter = "drawtext=";
    filter += hook.options.contains("-f") ? "textfile=" + FilterOptionValue(Option(hook, "-f"))
                                          : "text=" + FilterOptionValue(Option(hook, "-t"));
    if (!face.empty()) {
        filter += Setting("font", face);
    }
    if (slash != std::string::npos) {
        filter += Setting("fontsize", font.substr(slash + 1));
    }
    filter += Setting("x", DrawtextExpression(Option(hook, "-x", "0")));
    filter += Setting("y", DrawtextExpression(Option(hook, "-y", "0")));
    if (hook.options.contains("-c")) {
        filter += Setting("fontcolor", Option(hook, "-c"));
    }
    return filter;
}

}  // namespace

std::string FilterOptionValue(std::string_view value) {
    if (value.find_first_of("\\'[],;:") == std::string_view::npos && !value.empty() &&
        value.front() != ' ' && value.back() != ' ') {
        return std::string(value);
    }
    // Quoted for the filter's own options, then escaped for the chain.
    std::string quoted = "'";
    for (const char c : value) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    quoted += '\'';
    std::string escaped;
    for (const char c : quoted) {
        if (std::string_view("\\'[],;").find(c) != std::string_view::npos) {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

void AdaptVideoHooks(ArgumentTokens& tokens, Notes& notes) {
    std::string filters;
    const auto at = tokens.Find({"-vhook"});
    while (const auto hookAt = tokens.Find({"-vhook"})) {
        const Hook hook = ReadHook(tokens.ValueAt(*hookAt) ? tokens[*hookAt + 1] : "");
        tokens.Erase(*hookAt, 2);
        std::string filter;
        if (hook.module == "drawtext" && hook.options.contains("-f")) {
            filter = FromDrawtextHook(hook);
        } else if (hook.module == "imlib2" && !hook.options.contains("-i") &&
                   (hook.options.contains("-t") || hook.options.contains("-f"))) {
            filter = FromImlib2Hook(hook);
        } else {
            notes.Add("-vhook " + hook.module +
                      ": today's ffmpeg loads no video hooks and has no filter that does the "
                      "same; the hook is dropped");
            continue;
        }
        filters += (filters.empty() ? "" : ",") + filter;
    }
    if (at && !filters.empty()) {
        PrependFilter(tokens, kVideoFilterOptions, "-vf", filters, *at);
    }
}

}  // namespace kestrum::adapter_rules
