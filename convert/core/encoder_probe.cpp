#include "convert/core/encoder_probe.h"

#include <algorithm>
#include <cctype>
#include <future>
#include <sstream>
#include <system_error>

#include "platform/file_system.h"
#include "platform/program_search.h"
#include "profiles/core/command_line.h"

namespace kestrum {

namespace {

enum class VersionKind { Modern, Old, Unreadable };

// "ffmpeg version 5.1.2-..." (or "FFmpeg version 0.6.1, Copyright ..." from
// the builds of 2010, which print it even while refusing -hide_banner).
VersionKind ReadVersion(const platform::CapturedOutput& answer) {
    const std::string text = answer.out + "\n" + answer.err;
    const std::size_t at = text.find("version ");
    if (at == std::string::npos) {
        return VersionKind::Unreadable;
    }
    std::string_view version(text);
    version.remove_prefix(at + 8);
    if (version.starts_with("N-")) {
        return VersionKind::Modern;  // a build from the development tree
    }
    if (version.starts_with("n")) {
        version.remove_prefix(1);  // release tags of git builds: n4.4.2
    }
    int major = 0;
    std::size_t digits = 0;
    while (digits < version.size() && digits < 4 &&
           std::isdigit(static_cast<unsigned char>(version[digits]))) {
        major = major * 10 + (version[digits] - '0');
        ++digits;
    }
    if (digits == 0 || digits == version.size() || version[digits] != '.') {
        return VersionKind::Unreadable;
    }
    return major >= 3 ? VersionKind::Modern : VersionKind::Old;
}

// Encoder lines look like " V....D libx264   libx264 H.264 ...": six capability
// letters or dots, the name, a description. The legend lines name "=".
bool IsCapabilityColumn(const std::string& word) {
    return word.size() == 6 && std::string_view("VASD").find(word[0]) != std::string_view::npos &&
           std::ranges::all_of(word.substr(1), [](char c) {
               return c == '.' || std::isupper(static_cast<unsigned char>(c));
           });
}

std::vector<std::string> ReadEncoderList(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string capabilities, name;
        if (words >> capabilities >> name && IsCapabilityColumn(capabilities) && name != "=") {
            names.push_back(name);
        }
    }
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool Answered(const platform::CapturedOutput& answer) {
    return answer.outcome == platform::CaptureOutcome::Exited && answer.exitCode == 0;
}

}  // namespace

EncoderCapabilities ReadProbeAnswers(const platform::CapturedOutput& version,
                                     const platform::CapturedOutput& encoders) {
    EncoderCapabilities capabilities;
    const VersionKind kind = ReadVersion(version);
    std::vector<std::string> names;
    if (Answered(encoders)) {
        names = ReadEncoderList(encoders.out);
    }
    capabilities.modern =
        kind == VersionKind::Modern || (kind == VersionKind::Unreadable && !names.empty());
    if (capabilities.modern && !names.empty()) {
        capabilities.encodersKnown = true;
        capabilities.encoders = std::move(names);
    }
    return capabilities;
}

EncoderCapabilities EncoderProbe::Ask(const std::string& programPath) const {
    // The two questions are asked at the same time: each costs a start of the
    // encoder (its many libraries loaded), which every batch would otherwise
    // wait for twice before its first job.
    const auto ask = [this, &programPath](const char* question) {
        return platform::CaptureOutput({programPath, "-hide_banner", question}, timeout_);
    };
    std::future<platform::CapturedOutput> encodersAnswer;
    try {
        encodersAnswer = std::async(std::launch::async, ask, "-encoders");
    } catch (const std::system_error&) {
        // No thread to spare: the second question waits for the first.
    }
    const platform::CapturedOutput version = ask("-version");
    const platform::CapturedOutput encoders =
        encodersAnswer.valid() ? encodersAnswer.get() : ask("-encoders");
    if (version.outcome != platform::CaptureOutcome::Exited) {
        return {};  // missing or hanging: treated as an old build
    }
    return ReadProbeAnswers(version, encoders);
}

EncoderCapabilities EncoderProbe::Probe(const std::string& programPath) {
    // With the system's own (on Windows: ANSI) file functions, which read
    // the path as the rest of the program does.
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    if (!platform::FileStamp(programPath, size, modified)) {
        return {};
    }
    const Key key{programPath, size, modified};
    {
        const std::lock_guard lock(mutex_);
        if (const auto known = answers_.find(key); known != answers_.end()) {
            return known->second;
        }
    }
    // Asked outside the lock: a slow program must not hold up other callers.
    EncoderCapabilities answer = Ask(programPath);
    const std::lock_guard lock(mutex_);
    return answers_.try_emplace(key, std::move(answer)).first->second;
}

std::string EncoderProgram(bool notUseAnotherFFmpeg, const std::string& anotherFFmpeg) {
    return notUseAnotherFFmpeg ? platform::FindProgram(std::string(kEncoderBareName))
                               : anotherFFmpeg;
}

EncoderCapabilities ProbeEncoder(const std::string& programPath) {
    static EncoderProbe probe;
    return probe.Probe(programPath);
}

}  // namespace kestrum
