#include <algorithm>
#include <array>
#include <cctype>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

// Options that today carry a stream suffix (:v, :a, :s) or another name,
// same value.
constexpr std::array kRenamedOptions = {
    // -vbsf, -absf, -sbsf: bitstream filters of the video, audio, subtitle streams.
    Pair{"-vbsf", "-bsf:v"},
    Pair{"-absf", "-bsf:a"},
    Pair{"-sbsf", "-bsf:s"},
    // -dframes: the number of data frames to write.
    Pair{"-dframes", "-frames:d"},
    // -loop_output: how often an animated GIF loops (0: for ever).
    Pair{"-loop_output", "-loop"},
    // -map_meta_data: copy the input's metadata (see the map rule below).
    Pair{"-map_meta_data", "-map_metadata"},
};

// Per-file information options of 2008, now keys of -metadata.
constexpr std::array kMetadataOptions = {
    // -title, -author, -copyright, -comment, -album, -year, -track, -genre.
    Pair{"-title", "title"},
    Pair{"-author", "artist"},
    Pair{"-copyright", "copyright"},
    Pair{"-comment", "comment"},
    Pair{"-album", "album"},
    Pair{"-year", "date"},
    Pair{"-track", "track"},
    Pair{"-genre", "genre"},
    // -timestamp: the recording time written into the container.
    Pair{"-timestamp", "creation_time"},
};

// -vlang, -alang, -slang: the language code of the stream of that kind.
constexpr std::array kLanguageOptions = {
    Pair{"-vlang", "-metadata:s:v"},
    Pair{"-alang", "-metadata:s:a"},
    Pair{"-slang", "-metadata:s:s"},
};

// -vsync's numbers (0 passthrough, 1 constant, 2 variable frame rate, -1
// auto) have names today; the numbers are going away.
constexpr std::array kSyncMethods = {Pair{"0", "passthrough"}, Pair{"1", "cfr"}, Pair{"2", "vfr"},
                                     Pair{"-1", "auto"}};

// Options that did nothing for a file converted by a manual command.
struct Dropped {
    std::string_view option;
    bool takesValue;
    std::string_view why;
};

constexpr std::array kDroppedOptions = {
    // -isync: read several inputs in step.
    Dropped{"-isync", false, "it only kept several inputs in step"},
    // -re: read the input at its frame rate, as a live source would come.
    Dropped{"-re", false, "it only slowed reading the input down to its frame rate"},
    // -loop_input: loop an image input; after the input it came too late.
    Dropped{"-loop_input", false, "it looped an image input and had no effect after it"},
    // -vdt: the decoder's discard threshold.
    Dropped{"-vdt", true, "it only tuned the decoder"},
    // -er: the decoder's error resilience.
    Dropped{"-er", true, "it only tuned the decoder"},
    // -tvstd: the television standard of a grabbing device.
    Dropped{"-tvstd", true, "it only set up a grabbing device"},
    // -vc: the channel of a DV1394 grabber.
    Dropped{"-vc", true, "it only set up a grabbing device"},
    // -newvideo, -newaudio, -newsubtitle: streams added from a further input.
    Dropped{"-newvideo", false, "a manual command has one input"},
    Dropped{"-newaudio", false, "a manual command has one input"},
    Dropped{"-newsubtitle", false, "a manual command has one input"},
};

bool IsNumber(std::string_view text) {
    return !text.empty() &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c) != 0; });
}

// "0.1" and "0:1" named file 0, stream 1; a second pair, after any separator,
// the stream to sync with. Today the pairs take ':' and the sync pair ','.
std::string ModernMap(const std::string& value) {
    std::vector<std::string> numbers;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= value.size(); ++at) {
        if (at == value.size() || value[at] == '.' || value[at] == ':') {
            numbers.push_back(value.substr(start, at - start));
            start = at + 1;
        }
    }
    if ((numbers.size() != 2 && numbers.size() != 4) || !std::ranges::all_of(numbers, IsNumber)) {
        return value;
    }
    std::string modern = numbers[0] + ":" + numbers[1];
    return numbers.size() == 4 ? modern + "," + numbers[2] + ":" + numbers[3] : modern;
}

void StreamMaps(ArgumentTokens& tokens) {
    for (auto at = tokens.Find({"-map"}); at; at = tokens.Find({"-map"}, *at + 1)) {
        if (const auto valueAt = tokens.ValueAt(*at)) {
            tokens[*valueAt] = ModernMap(tokens[*valueAt]);
        }
    }
    // "outfile:infile" of the old metadata and chapter maps: the manual
    // command's one output takes the input's.
    for (auto at = tokens.Find({"-map_metadata", "-map_chapters"}); at;
         at = tokens.Find({"-map_metadata", "-map_chapters"}, *at + 1)) {
        const auto valueAt = tokens.ValueAt(*at);
        const std::size_t colon = valueAt ? tokens[*valueAt].find(':') : std::string::npos;
        if (colon != std::string::npos && IsNumber(tokens[*valueAt].substr(0, colon)) &&
            IsNumber(tokens[*valueAt].substr(colon + 1))) {
            tokens[*valueAt].erase(0, colon + 1);
        }
    }
}

void RenamedOptions(ArgumentTokens& tokens) {
    for (std::size_t at = 0; at < tokens.Size(); ++at) {
        if (const std::string_view modern = LookUp(kRenamedOptions, tokens[at]); !modern.empty()) {
            tokens[at] = modern;
        } else if (const std::string_view key = LookUp(kMetadataOptions, tokens[at]);
                   !key.empty() && tokens.ValueAt(at)) {
            tokens[at] = "-metadata";
            tokens[at + 1] = std::string(key) + "=" + tokens[at + 1];
        } else if (const std::string_view streams = LookUp(kLanguageOptions, tokens[at]);
                   !streams.empty() && tokens.ValueAt(at)) {
            tokens[at] = streams;
            tokens[at + 1] = "language=" + tokens[at + 1];
        } else if (tokens[at] == "-vsync" && tokens.ValueAt(at)) {
            if (const std::string_view name = LookUp(kSyncMethods, tokens[at + 1]); !name.empty()) {
                tokens[at + 1] = name;
            }
        }
    }
}

void DroppedOptions(ArgumentTokens& tokens, Notes& notes) {
    for (const Dropped& dropped : kDroppedOptions) {
        const auto found = dropped.takesValue ? tokens.EraseOptionsWithValue({dropped.option})
                                              : tokens.EraseOptions({dropped.option});
        if (found) {
            notes.Add(std::string(dropped.option) + " is dropped: " + std::string(dropped.why));
        }
    }
}

}  // namespace

void AdaptStreamOptions(ArgumentTokens& tokens, Notes& notes) {
    RenamedOptions(tokens);
    StreamMaps(tokens);
    DroppedOptions(tokens, notes);
}

}  // namespace kestrum::adapter_rules
