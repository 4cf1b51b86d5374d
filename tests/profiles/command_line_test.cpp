#include <gtest/gtest.h>

#include "profiles/core/command_line.h"

namespace kestrum {
namespace {

using Argv = std::vector<std::string>;

CommandPieces Pieces(std::string input, std::string arguments, std::string output) {
    CommandPieces p;
    p.InputFile = std::move(input);
    p.Arguments = std::move(arguments);
    p.OutputFile = std::move(output);
    return p;
}

TEST(CommandLine, TheFivePiecesConcatenated) {
    CommandPieces p =
        Pieces("/clips/my clip.avi", "-vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 ",
               "/out/my clip.mp3");
    EXPECT_EQ(ComposeCommandLine(p),
              "ffmpeg -i \"/clips/my clip.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 "
              "\"/out/my clip.mp3\"");
    p.Overwrite = true;
    EXPECT_EQ(
        ComposeCommandLine(p),
        "ffmpeg -y -i \"/clips/my clip.avi\" -vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 "
        "\"/out/my clip.mp3\"");
    p.NotUseAnotherFFmpeg = false;
    p.AnotherFFmpeg = "/opt/my ffmpeg/ffmpeg";
    EXPECT_EQ(ComposeCommandLine(p).substr(0, 28), "\"/opt/my ffmpeg/ffmpeg\" -y -");
    // Unknown profile: the quoted output follows the input piece directly.
    EXPECT_EQ(ComposeCommandLine(Pieces("/a.avi", "", "/a")), "ffmpeg -i \"/a.avi\" \"/a\"");
    // Double spaces in the arguments stay.
    EXPECT_EQ(ComposeCommandLine(Pieces("/a", "-vn  -acodec wmav2 -ab 160kb ", "/a.wma")),
              "ffmpeg -i \"/a\" -vn  -acodec wmav2 -ab 160kb \"/a.wma\"");
}

TEST(CommandLine, ArgvKeepsPathsWholeWhateverTheyHold) {
    const std::string hostile[] = {
        "/c/with space.avi", "/c/quote\"inside.avi",   "/c/$(touch pwned).avi",
        "/c/%1.avi",         "/c/back\\slash\\\\.avi", "/c/\xff\xfe latin1 \xe9.avi",
        "/c/tab\there.avi",  "-leading-dash.avi",
    };
    for (const std::string& path : hostile) {
        CommandPieces p = Pieces(path, "-vn -ac 2 ", path + ".wav");
        EXPECT_EQ(BuildArgv(p, "/usr/bin/ffmpeg"),
                  (Argv{"/usr/bin/ffmpeg", "-i", path, "-vn", "-ac", "2", path + ".wav"}))
            << path;
        p.Overwrite = true;
        EXPECT_EQ(BuildArgv(p, "/e")[1], "-y");
    }
    EXPECT_EQ(BuildArgv(Pieces("/a", "", "/b"), "/e"), (Argv{"/e", "-i", "/a", "/b"}));
}

TEST(CommandLine, ArgumentsSplitLikeTheMicrosoftRuntime) {
    struct Split {
        std::string text;
        Argv arguments;
    };
    const Split cases[] = {
        {"", {}},
        {"   \t ", {}},
        {"-vn  -acodec wmav2 ", {"-vn", "-acodec", "wmav2"}},
        {"-metadata \"title=My Clip\" -y", {"-metadata", "title=My Clip", "-y"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"\"a\"\"b\"", {"a\"b"}},                      // "" inside a group
        {"a\\\\\"b c\"", {"a\\b c"}},                  // 2 backslashes + quote: 1 backslash, group
        {"a\\\"b", {"a\"b"}},                          // 1 backslash + quote: literal quote
        {"a\\\\\\\"b", {"a\\\"b"}},                    // 3 backslashes + quote
        {"C:\\dir\\file.avi", {"C:\\dir\\file.avi"}},  // backslashes not before a quote
        {"\"unterminated group", {"unterminated group"}},
        {"-vf scale=320:240,setsar=1", {"-vf", "scale=320:240,setsar=1"}},
        {"$(rm -rf x) %1 `id`", {"$(rm", "-rf", "x)", "%1", "`id`"}},
    };
    for (const Split& c : cases) {
        EXPECT_EQ(SplitArgumentsLikeCrt(c.text), c.arguments) << c.text;
    }
}

}  // namespace
}  // namespace kestrum
