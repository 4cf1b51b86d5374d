#include <gtest/gtest.h>

#include "profiles/core/output_name.h"
#include "support/temp_folder.h"

namespace kestrum {
namespace {

struct NamingCase {
    std::string input;
    bool sameAsInput;
    std::string folder;
    std::string extension;
    std::string output;
};

TEST(OutputName, BesideTheInputOrInTheFolder) {
    const NamingCase cases[] = {
        {"/clips/my clip.avi", false, "/out", ".mp3", "/out/my clip.mp3"},
        {"/clips/my clip.avi", false, "/out/", ".mp3", "/out/my clip.mp3"},
        {"/clips/my clip.avi", false, "/", ".mp3", "/my clip.mp3"},
        {"/clips/my clip.avi", true, "/ignored", ".mp3", "/clips/my clip.mp3"},
        // No extension: the profile's is appended.
        {"/clips/noext", false, "/out", ".mp4", "/out/noext.mp4"},
        {"/clips/noext", true, "", ".mp4", "/clips/noext.mp4"},
        // Dots in folder names never count.
        {"/clips.v2/noext", true, "", ".mp4", "/clips.v2/noext.mp4"},
        {"/clips.v2/noext", false, "/out.d", ".mp4", "/out.d/noext.mp4"},
        // Several dots: only the last extension goes.
        {"/c/clip.part1.avi", false, "/out", ".mp3", "/out/clip.part1.mp3"},
        // An empty extension (unknown profile) just drops the input's.
        {"/c/clip.avi", false, "/out", "", "/out/clip"},
        {"/c/.hidden", true, "", ".mp4", "/c/.mp4"},
        // A name that is only a dot-ending keeps everything before the dot.
        {"/c/clip.", true, "", ".wav", "/c/clip.wav"},
        // Backslashes and colons are ordinary characters in POSIX names.
        {"/c/a\\b:c.avi", false, "/out", ".mp3", "/out/a\\b:c.mp3"},
    };
    for (const NamingCase& c : cases) {
        EXPECT_EQ(OutputFileFor(c.input, c.sameAsInput, c.folder, c.extension), c.output)
            << c.input;
    }
}

TEST(OutputName, PathPieces) {
    EXPECT_EQ(ExtractFileName("/a/b/c.avi"), "c.avi");
    EXPECT_EQ(ExtractFileName("c.avi"), "c.avi");
    EXPECT_EQ(ExtractFilePath("/a/b/c.avi"), "/a/b/");
    EXPECT_EQ(ExtractFilePath("c.avi"), "");
    EXPECT_EQ(IncludeTrailingSeparator(""), "/");
    EXPECT_EQ(IncludeTrailingSeparator("/x"), "/x/");
    EXPECT_EQ(IncludeTrailingSeparator("/x/"), "/x/");
}

TEST(OutputName, OutputThatIsTheInputItself) {
    test::TempFolder folder;
    const std::string clip = folder / "clip.wav";
    test::WriteFile(clip, "x");
    EXPECT_TRUE(OutputIsInput(clip, OutputFileFor(clip, true, "", ".wav")));
    EXPECT_TRUE(OutputIsInput(folder / "noext", OutputFileFor(folder / "noext", true, "", "")));
    // The same file under another spelling of its folder.
    EXPECT_TRUE(OutputIsInput(clip, OutputFileFor(clip, false, folder.Path() + "./", ".wav")));
    EXPECT_FALSE(OutputIsInput(clip, OutputFileFor(clip, true, "", ".mp3")));
}

}  // namespace
}  // namespace kestrum
