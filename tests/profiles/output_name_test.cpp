#include <gtest/gtest.h>

#include "platform/path_rules.h"
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

// The path rules of the system: "/" ends a folder part on POSIX; a backslash
// or ":" on Windows.
#ifdef _WIN32
const NamingCase kNamingCases[] = {
    {"C:\\Clips\\my clip.avi", false, "D:\\Out", ".mp3", "D:\\Out\\my clip.mp3"},
    {"C:\\Clips\\my clip.avi", false, "D:\\Out\\", ".mp3", "D:\\Out\\my clip.mp3"},
    // A drive root already ends with a backslash: no second one.
    {"C:\\Clips\\my clip.avi", false, "D:\\", ".mp3", "D:\\my clip.mp3"},
    {"C:\\Clips\\my clip.avi", true, "D:\\Ignored", ".mp3", "C:\\Clips\\my clip.mp3"},
    // A drive-relative input: the colon ends the folder part too.
    {"C:clip.avi", false, "D:\\Out", ".wav", "D:\\Out\\clip.wav"},
    {"C:clip", true, "", ".wav", "C:clip.wav"},
    // No extension: the profile's is appended.
    {"C:\\Clips\\noext", false, "D:\\Out", ".mp4", "D:\\Out\\noext.mp4"},
    // Dots in folder names never count.
    {"C:\\Clips.v2\\noext", true, "", ".mp4", "C:\\Clips.v2\\noext.mp4"},
    {"C:\\Clips.v2\\noext", false, "D:\\Out.d", ".mp4", "D:\\Out.d\\noext.mp4"},
    // Several dots: only the last extension goes.
    {"C:\\c\\clip.part1.avi", false, "D:\\Out", ".mp3", "D:\\Out\\clip.part1.mp3"},
    {"C:\\c\\clip.avi", false, "D:\\Out", "", "D:\\Out\\clip"},
    {"C:\\c\\clip.", true, "", ".wav", "C:\\c\\clip.wav"},
    // A network share.
    {"\\\\server\\share\\a.avi", false, "\\\\server\\out", ".mp3", "\\\\server\\out\\a.mp3"},
    // "/" is no separator of ours: the name runs from the last backslash.
    {"C:\\a/b.avi", false, "D:\\Out", ".mp3", "D:\\Out\\a/b.mp3"},
};
#else
const NamingCase kNamingCases[] = {
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
#endif

TEST(OutputName, BesideTheInputOrInTheFolder) {
    for (const NamingCase& c : kNamingCases) {
        EXPECT_EQ(OutputFileFor(c.input, c.sameAsInput, c.folder, c.extension), c.output)
            << c.input;
    }
}

TEST(OutputName, PathPieces) {
#ifdef _WIN32
    EXPECT_EQ(ExtractFileName("C:\\a\\b\\c.avi"), "c.avi");
    EXPECT_EQ(ExtractFileName("C:c.avi"), "c.avi");
    EXPECT_EQ(ExtractFilePath("C:\\a\\b\\c.avi"), "C:\\a\\b\\");
    EXPECT_EQ(ExtractFilePath("C:c.avi"), "C:");
    EXPECT_EQ(IncludeTrailingSeparator("D:\\Out"), "D:\\Out\\");
    EXPECT_EQ(IncludeTrailingSeparator("D:\\"), "D:\\");
#else
    EXPECT_EQ(ExtractFileName("/a/b/c.avi"), "c.avi");
    EXPECT_EQ(ExtractFilePath("/a/b/c.avi"), "/a/b/");
    EXPECT_EQ(IncludeTrailingSeparator(""), "/");
    EXPECT_EQ(IncludeTrailingSeparator("/x"), "/x/");
    EXPECT_EQ(IncludeTrailingSeparator("/x/"), "/x/");
#endif
    EXPECT_EQ(ExtractFileName("c.avi"), "c.avi");
    EXPECT_EQ(ExtractFilePath("c.avi"), "");
}

TEST(OutputName, OutputThatIsTheInputItself) {
    test::TempFolder folder;
    const std::string clip = folder / "clip.wav";
    test::WriteFile(clip, "x");
    EXPECT_TRUE(OutputIsInput(clip, OutputFileFor(clip, true, "", ".wav")));
    EXPECT_TRUE(OutputIsInput(folder / "noext", OutputFileFor(folder / "noext", true, "", "")));
    // The same file under another spelling of its folder.
    const std::string here = std::string(".") + platform::kPreferredSeparator;
    EXPECT_TRUE(OutputIsInput(clip, OutputFileFor(clip, false, folder.Path() + here, ".wav")));
    EXPECT_FALSE(OutputIsInput(clip, OutputFileFor(clip, true, "", ".mp3")));
}

}  // namespace
}  // namespace kestrum
