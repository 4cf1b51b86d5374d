#include "profiles/core/manual_command.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {

namespace {

// Both lookups: a catalogue row matched exactly, else the manual command rule.
// No catalogue caption begins with "ffmpeg", so a caption is one or the
// other, or unknown (empty arguments and extension).
ManualCommandParts LookUp(std::string_view caption) {
    if (StartsLikeManualCommand(caption)) {
        return SplitManualCommand(caption).value_or(ManualCommandParts{});
    }
    for (const ProfileEntry& entry : AllProfiles()) {
        if (entry.caption == caption) {
            return {std::string(entry.arguments), std::string(entry.extension)};
        }
    }
    return {};
}

}  // namespace

std::span<const ProfileEntry> ProfilesOfGroup(const ProfileGroupRow& group) {
    return AllProfiles().subspan(static_cast<std::size_t>(group.first),
                                 static_cast<std::size_t>(group.count));
}

std::string GetProfileArguments(std::string_view caption) {
    return LookUp(caption).arguments;
}

std::string GetProfileExtension(std::string_view caption) {
    return LookUp(caption).extension;
}

}  // namespace kestrum
