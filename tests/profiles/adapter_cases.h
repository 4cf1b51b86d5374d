#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "profiles/core/argument_adapter.h"

// Table cases of the argument adapter, shared by its test files.
namespace kestrum::test {

// A modern build with the encoders of a typical distribution build.
inline EncoderCapabilities FullBuild() {
    EncoderCapabilities build;
    build.modern = true;
    build.encodersKnown = true;
    build.encoders = {"aac",        "ac3",       "dvvideo", "flv",     "h263",  "libmp3lame",
                      "libshine",   "libvorbis", "libx264", "libxvid", "mp2",   "mpeg1video",
                      "mpeg2video", "mpeg4",     "msmpeg4", "vorbis",  "wmav2", "wmv2"};
    std::ranges::sort(build.encoders);
    return build;
}

inline EncoderCapabilities Without(std::initializer_list<std::string_view> missing) {
    EncoderCapabilities build = FullBuild();
    std::erase_if(build.encoders, [&](const std::string& name) {
        return std::ranges::find(missing, name) != missing.end();
    });
    return build;
}

inline EncoderCapabilities With(std::string_view extra) {
    EncoderCapabilities build = FullBuild();
    build.encoders.emplace_back(extra);
    std::ranges::sort(build.encoders);
    return build;
}

struct Case {
    const char* rule;
    std::string arguments;
    std::string extension;
    std::string expected;  // the arguments that run
    EncoderCapabilities build = FullBuild();
};

// The arguments come out as expected, and adapting them again changes nothing.
inline void ExpectAdapted(const Case& c) {
    const AdaptedArguments adapted = AdaptArguments(c.arguments, c.extension, c.build);
    EXPECT_EQ(adapted.arguments, c.expected) << c.rule << ": " << c.arguments;
    EXPECT_EQ(adapted.outcome,
              c.expected == c.arguments ? AdaptOutcome::Unchanged : AdaptOutcome::Adapted)
        << c.rule;
    const AdaptedArguments again = AdaptArguments(adapted.arguments, c.extension, c.build);
    EXPECT_EQ(again.outcome, AdaptOutcome::Unchanged) << c.rule << " is not idempotent";
    EXPECT_EQ(again.arguments, adapted.arguments) << c.rule;
    EXPECT_TRUE(again.notes.empty()) << c.rule;
}

template <std::size_t N>
void ExpectAllAdapted(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        ExpectAdapted(c);
    }
}

}  // namespace kestrum::test
