#include "cli/cli_options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <thread>

namespace kestrum::cli {

const char* const kUsage =
    "Usage: kestrum-convert [options] FILE...\n"
    "       kestrum-convert --print-command [options] FILE...\n"
    "       kestrum-convert --list-profiles\n"
    "\n"
    "Converts each FILE with the encoder, one after the other, or up to N at once.\n"
    "\n"
    "  --list-profiles        print the profile catalogue, one TAB-separated line per profile\n"
    "  --print-command        print each file's output path and encoder command, run nothing\n"
    "  --profile TEXT         a profile caption or a manual command (\"ffmpeg -i %1 ... %1.ext\")\n"
    "  --output-folder DIR    write the outputs into DIR\n"
    "  --same-as-input        write each output beside its input\n"
    "  --encoder PATH         run this encoder instead of \"ffmpeg\" from the search path\n"
    "  --overwrite ask|yes|no answer to \"overwrite an existing output?\"\n"
    "  --jobs N               convert up to N files at once (0: one per processor; default 1)\n"
    "  --help                 show this text\n"
    "\n"
    "Options not given take their values from the program's saved settings.\n";

namespace {

// More encoders at once than any machine has cores for only thrash.
constexpr int kMaxJobs = 256;

std::optional<OverwriteAnswer> ParseAnswer(const std::string& text) {
    if (text == "ask") {
        return OverwriteAnswer::Ask;
    }
    if (text == "yes") {
        return OverwriteAnswer::Yes;
    }
    if (text == "no") {
        return OverwriteAnswer::No;
    }
    return std::nullopt;
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool filesOnly = false;
    using ValueSetter = std::function<bool(Options&, const std::string&)>;
    const std::map<std::string, ValueSetter> withValue{
        {"--profile",
         [](Options& o, const std::string& v) {
             o.profile = v;
             return true;
         }},
        {"--output-folder",
         [](Options& o, const std::string& v) {
             o.outputFolder = v;
             return true;
         }},
        {"--encoder",
         [](Options& o, const std::string& v) {
             o.encoder = v;
             return true;
         }},
        {"--overwrite",
         [](Options& o, const std::string& v) {
             o.overwrite = ParseAnswer(v);
             return o.overwrite.has_value();
         }},
        {"--jobs",
         [](Options& o, const std::string& v) {
             const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), o.jobs);
             return error == std::errc() && end == v.data() + v.size() && o.jobs >= 0 &&
                    o.jobs <= kMaxJobs;
         }},
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (filesOnly || argument.empty() || argument[0] != '-' || argument == "-") {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            filesOnly = true;
        } else if (argument == "--help" || argument == "-h") {
            options.mode = Mode::Help;
            return {options, {}};
        } else if (argument == "--list-profiles") {
            options.mode = Mode::ListProfiles;
        } else if (argument == "--print-command") {
            options.mode = Mode::PrintCommand;
        } else if (argument == "--same-as-input") {
            options.sameAsInput = true;
        } else {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(0, equals);
            const auto setter = withValue.find(name);
            if (setter == withValue.end()) {
                return {std::nullopt, "unknown option " + argument};
            }
            std::string value;
            if (equals != std::string::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                return {std::nullopt, "option " + name + " needs a value"};
            }
            if (!setter->second(options, value)) {
                return {std::nullopt, "bad value for " + name + ": " + value};
            }
        }
    }
    if (options.mode != Mode::ListProfiles && options.files.empty()) {
        return {std::nullopt, "no files given"};
    }
    return {options, {}};
}

int JobsToRun(const Options& options) {
    if (options.jobs > 0) {
        return options.jobs;
    }
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxJobs);
}

}  // namespace kestrum::cli
