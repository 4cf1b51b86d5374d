#include "convert/core/encoder_probe_cache.h"

#include <algorithm>
#include <charconv>

#include "app/core/running_copy_place.h"
#include "platform/file_system.h"

namespace kestrum {

namespace {

// The first line names the format; a file of another format is not read.
// Change the number whenever what is kept, or how an answer is read from the
// encoder, changes: answers kept by an older program are then asked again.
constexpr std::string_view kFormatLine = "kestrum encoder probe 1\n";
constexpr std::string_view kCheckField = "check ";
constexpr std::size_t kHexDigits = 16;
// The last line: "check " and the hash of everything before it.
constexpr std::size_t kCheckLineSize = kCheckField.size() + kHexDigits + 1;

std::string Hex(std::uint64_t value) {
    std::string digits(kHexDigits, '0');
    char buffer[kHexDigits];
    const auto end = std::to_chars(buffer, buffer + kHexDigits, value, 16).ptr;
    const auto length = static_cast<std::size_t>(end - buffer);
    digits.replace(kHexDigits - length, length, buffer, length);
    return digits;
}

// The fields of a kept answer, read one after the other in their one order.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }

    // "name value\n" with a decimal value.
    template <typename Number>
    bool Read(std::string_view name, Number& value) {
        std::string_view text;
        if (!Read(name, text)) {
            return false;
        }
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size();
    }
    // "name value\n": a value without blanks or line breaks.
    bool Read(std::string_view name, std::string_view& value) {
        if (!Take(name) || !Take(" ")) {
            return false;
        }
        const std::size_t end = rest_.find('\n');
        if (end == 0 || end == std::string_view::npos) {
            return false;
        }
        value = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return value.find(' ') == std::string_view::npos;
    }
    // "name length:bytes\n": any bytes, line breaks included (a POSIX path).
    bool ReadSized(std::string_view name, std::string& value) {
        std::size_t length = 0;
        if (!Take(name) || !Take(" ")) {
            return false;
        }
        const auto [end, error] =
            std::from_chars(rest_.data(), rest_.data() + rest_.size(), length);
        if (error != std::errc()) {
            return false;
        }
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        if (!Take(":") || rest_.size() <= length || rest_[length] != '\n') {
            return false;
        }
        value.assign(rest_.substr(0, length));
        rest_.remove_prefix(length + 1);
        return true;
    }

private:
    bool Take(std::string_view expected) {
        if (!rest_.starts_with(expected)) {
            return false;
        }
        rest_.remove_prefix(expected.size());
        return true;
    }

    std::string_view rest_;
};

void AddField(std::string& text, std::string_view name, std::string_view value) {
    text.append(name).append(" ").append(value).append("\n");
}

}  // namespace

std::string ProbeCacheText(const platform::FileIdentity& program,
                           const EncoderCapabilities& answer) {
    std::string text(kFormatLine);
    AddField(text, "program", std::to_string(program.path.size()) + ":" + program.path);
    AddField(text, "size", std::to_string(program.size));
    AddField(text, "modified", std::to_string(program.modified));
    AddField(text, "device", std::to_string(program.device));
    AddField(text, "file", std::to_string(program.file));
    AddField(text, "modern", answer.modern ? "1" : "0");
    AddField(text, "encoders-known", answer.encodersKnown ? "1" : "0");
    for (const std::string& name : answer.encoders) {
        AddField(text, "encoder", name);
    }
    AddField(text, kCheckField.substr(0, kCheckField.size() - 1), Hex(StableHash(text)));
    return text;
}

std::optional<EncoderCapabilities> ReadProbeCacheText(std::string_view text,
                                                      const platform::FileIdentity& program) {
    // Whole and unchanged: the last line checks everything before it.
    if (text.size() < kFormatLine.size() + kCheckLineSize || !text.starts_with(kFormatLine) ||
        !text.ends_with("\n")) {
        return std::nullopt;
    }
    const std::string_view body = text.substr(0, text.size() - kCheckLineSize);
    const std::string_view check = text.substr(body.size());
    if (!body.ends_with("\n") || check != std::string(kCheckField) + Hex(StableHash(body)) + "\n") {
        return std::nullopt;
    }
    FieldReader fields(body.substr(kFormatLine.size()));
    platform::FileIdentity kept;
    int modern = -1, encodersKnown = -1;
    if (!fields.ReadSized("program", kept.path) || !fields.Read("size", kept.size) ||
        !fields.Read("modified", kept.modified) || !fields.Read("device", kept.device) ||
        !fields.Read("file", kept.file) || !fields.Read("modern", modern) ||
        !fields.Read("encoders-known", encodersKnown) || kept != program) {
        return std::nullopt;
    }
    EncoderCapabilities answer;
    answer.modern = modern == 1;
    answer.encodersKnown = encodersKnown == 1;
    for (std::string_view name; !fields.AtEnd();) {
        if (!fields.Read("encoder", name)) {
            return std::nullopt;
        }
        answer.encoders.emplace_back(name);
    }
    // Only what a probe can have answered.
    if ((modern != 0 && modern != 1) || (encodersKnown != 0 && encodersKnown != 1) ||
        answer.encodersKnown != !answer.encoders.empty() ||
        (answer.encodersKnown && !answer.modern) || !std::ranges::is_sorted(answer.encoders)) {
        return std::nullopt;
    }
    return answer;
}

std::string EncoderProbeCache::FileFor(const platform::FileIdentity& program) const {
    return folder_ + "encoder-probe-" + Hex(StableHash(program.path));
}

std::optional<EncoderCapabilities> EncoderProbeCache::Read(
    const platform::FileIdentity& program) const {
    std::string text;
    if (folder_.empty() || !platform::ReadWholeFile(FileFor(program), text, kProbeCacheFileLimit)) {
        return std::nullopt;
    }
    return ReadProbeCacheText(text, program);
}

void EncoderProbeCache::Write(const platform::FileIdentity& program,
                              const EncoderCapabilities& answer) const {
    if (!folder_.empty() && platform::ForceDirectories(folder_, 0700)) {
        platform::ReplaceFileContent(FileFor(program), ProbeCacheText(program, answer));
    }
}

}  // namespace kestrum
