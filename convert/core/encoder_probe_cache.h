#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "profiles/core/argument_adapter.h"

namespace kestrum {

// A kept answer is a few kilobytes; anything much larger is not one of ours.
inline constexpr std::size_t kProbeCacheFileLimit = 256 * 1024;

// The answers of encoder probes, kept on disk between runs of the programs:
// one file per encoder path in the cache folder, holding the identity of the
// program file that answered and its answer. A file that does not read back
// whole, in this format and for the same program file is ignored, never
// trusted; the next answer replaces it. Writes replace the file at once (a
// temporary file renamed over it), so programs running at the same time
// never see each other's half-written files.
class EncoderProbeCache {
public:
    // An empty folder keeps nothing.
    explicit EncoderProbeCache(std::string folder) : folder_(std::move(folder)) {}

    std::optional<EncoderCapabilities> Read(const platform::FileIdentity& program) const;
    // Best effort: a folder that cannot be made or written leaves the
    // program without a cache, and nothing else changes.
    void Write(const platform::FileIdentity& program, const EncoderCapabilities& answer) const;

    // Where the answer for the program is kept.
    std::string FileFor(const platform::FileIdentity& program) const;

private:
    std::string folder_;
};

// A kept answer as text, and back: nothing unless the text is whole, in this
// format, and for `program`.
std::string ProbeCacheText(const platform::FileIdentity& program,
                           const EncoderCapabilities& answer);
std::optional<EncoderCapabilities> ReadProbeCacheText(std::string_view text,
                                                      const platform::FileIdentity& program);

}  // namespace kestrum
