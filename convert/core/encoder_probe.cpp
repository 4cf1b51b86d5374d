#include "convert/core/encoder_probe.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/program_search.h"
#include "profiles/core/command_line.h"

namespace kestrum {

namespace {

enum class VersionKind { Modern, Old, Unreadable };

// "ffmpeg version 5.1.2-..." (or "FFmpeg version 0.6.1, Copyright ..." from
// the builds of 2010, which print it before refusing an option they lack).
VersionKind ReadVersion(const platform::CapturedOutput& answer) {
    const std::string text = answer.err + "\n" + answer.out;
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

}  // namespace

EncoderCapabilities ReadProbeAnswer(const platform::CapturedOutput& answer) {
    EncoderCapabilities capabilities;
    if (answer.outcome != platform::CaptureOutcome::Exited) {
        return capabilities;  // missing or hanging: treated as an old build
    }
    const VersionKind kind = ReadVersion(answer);
    std::vector<std::string> names;
    if (answer.exitCode == 0) {
        names = ReadEncoderList(answer.out);
    }
    capabilities.modern =
        kind == VersionKind::Modern || (kind == VersionKind::Unreadable && !names.empty());
    if (capabilities.modern && !names.empty()) {
        capabilities.encodersKnown = true;
        capabilities.encoders = std::move(names);
    }
    return capabilities;
}

EncoderProbe::EncoderProbe(std::string cacheFolder, std::chrono::milliseconds timeout)
    : cache_(std::move(cacheFolder)), timeout_(timeout) {}

std::optional<EncoderCapabilities> EncoderProbe::Known(const std::string& programPath) {
    // With the system's own (on Windows: ANSI) file functions, which read
    // the path as the rest of the program does.
    platform::FileIdentity program;
    if (!platform::IdentifyFile(programPath, program)) {
        return EncoderCapabilities{};
    }
    return Remembered(program);
}

std::optional<EncoderCapabilities> EncoderProbe::Remembered(const platform::FileIdentity& program) {
    {
        const std::lock_guard lock(mutex_);
        if (const auto known = answers_.find(program); known != answers_.end()) {
            return known->second;
        }
    }
    std::optional<EncoderCapabilities> kept = cache_.Read(program);
    if (kept) {
        const std::lock_guard lock(mutex_);
        answers_.try_emplace(program, *kept);
    }
    return kept;
}

std::optional<EncoderCapabilities> EncoderProbe::Probe(const std::string& programPath,
                                                       std::stop_token stop) {
    platform::FileIdentity program;
    if (!platform::IdentifyFile(programPath, program)) {
        return EncoderCapabilities{};
    }
    if (auto known = Remembered(program)) {
        return known;
    }
    // Asked outside the lock: a slow program must not hold up other callers.
    const platform::CapturedOutput answer =
        platform::CaptureOutput({programPath, kProbeQuestion}, timeout_, stop);
    if (answer.outcome == platform::CaptureOutcome::Stopped) {
        return std::nullopt;
    }
    const EncoderCapabilities capabilities = ReadProbeAnswer(answer);
    // A program that could not be run or did not answer in time may do
    // better next time (a busy machine, a permission fixed): not kept on disk.
    if (answer.outcome == platform::CaptureOutcome::Exited) {
        cache_.Write(program, capabilities);
    }
    const std::lock_guard lock(mutex_);
    return answers_.try_emplace(program, capabilities).first->second;
}

std::string EncoderProgram(bool notUseAnotherFFmpeg, const std::string& anotherFFmpeg) {
    return notUseAnotherFFmpeg ? platform::FindProgram(std::string(kEncoderBareName))
                               : anotherFFmpeg;
}

EncoderProbe& SharedEncoderProbe() {
    static EncoderProbe probe;
    return probe;
}

EncoderCapabilities ProbeEncoder(const std::string& programPath) {
    return SharedEncoderProbe().Probe(programPath).value_or(EncoderCapabilities{});
}

}  // namespace kestrum
