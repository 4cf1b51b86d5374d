#include <gtest/gtest.h>

#include <algorithm>

#include "profiles/adapter_cases.h"
#include "profiles/core/argument_adapter.h"
#include "profiles/core/argument_adapter_tokens.h"
#include "profiles/core/command_line.h"
#include "profiles/core/profile_catalogue.h"

namespace kestrum {
namespace {

using test::Case;
using test::ExpectAllAdapted;
using test::FullBuild;
using test::With;
using test::Without;

TEST(ArgumentAdapter, SpellingsOfValuesAndBitRates) {
    const Case cases[] = {
        {"1 kb", "-ab 192kb -b 1.5Mb -maxrate 1800kb ", ".mp3",
         "-b:a 192k -b:v 1.5M -maxrate 1800k "},
        {"1 kB stays", "-fs 500kB -ab 64k ", ".mp3", "-fs 500kB -b:a 64k "},
        {"1 not a rate", "-metadata title=64kb -ab 32000 ", ".mp3",
         "-metadata title=64kb -b:a 32000 "},
        {"2 -b and -ab", "-b 1000k -ab 128k ", ".avi", "-b:v 1000k -b:a 128k "},
        {"15 bare bufsize", "-bufsize 4096 ", ".mpg", "-bufsize 4096k "},
        {"15 large or with unit", "-bufsize 65536 -bufsize 4M ", ".mpg",
         "-bufsize 65536 -bufsize 4M "},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, EncodersTodaysBuildsLackOrNameDifferently) {
    const Case cases[] = {
        {"3 libfaac", "-acodec libfaac -ab 112kb ", ".m4a", "-acodec aac -b:a 112k "},
        {"3 libfdk_aac preferred", "-acodec libfaac ", ".m4a", "-acodec libfdk_aac ",
         With("libfdk_aac")},
        {"3 a build that still has libfaac", "-acodec libfaac ", ".m4a", "-acodec libfaac ",
         With("libfaac")},
        {"4 vorbis", "-acodec vorbis -aq 60 -vn -ac 2 ", ".ogg",
         "-acodec libvorbis -q:a 6 -vn -ac 2 "},
        {"4 native vorbis", "-acodec vorbis -aq 65 -vn ", ".ogg",
         "-acodec vorbis -strict -2 -q:a 6.5 -vn ", Without({"libvorbis"})},
        {"4 native vorbis after another -strict", "-acodec libvorbis -strict -1 ", ".ogg",
         "-acodec vorbis -strict -1 -strict -2 ", Without({"libvorbis"})},
        {"4 small -aq is today's scale", "-acodec libvorbis -aq 5 ", ".ogg",
         "-acodec libvorbis -aq 5 "},
        {"4 -aq of other encoders", "-acodec libmp3lame -aq 60 ", ".mp3",
         "-acodec libmp3lame -aq 60 "},
        {"14 mov names no video", "-f mov -acodec aac -b 1250kb ", ".mov",
         "-f mov -acodec aac -b:v 1250k -c:v mpeg4 "},
        {"14 mp4 by extension", "-r 25 ", ".mp4", "-r 25 -c:v mpeg4 "},
        {"14 audio only", "-vn -acodec aac ", ".mp4", "-vn -acodec aac "},
        {"14 other containers", "-r 25 ", ".avi", "-r 25 "},
        {"17 libxvid in AVI", "-f avi -vcodec libxvid -vtag XVID ", ".avi",
         "-f avi -vcodec mpeg4 -vtag XVID ", Without({"libxvid"})},
        {"17 libxvid elsewhere", "-vcodec libxvid -vtag XVID ", ".mkv", "-vcodec mpeg4 ",
         Without({"libxvid"})},
        {"17 libshine", "-acodec libmp3lame -ar 44100 ", ".mp3", "-acodec libshine -ar 44100 ",
         Without({"libmp3lame"})},
        {"17 libshine cannot do 22050", "-acodec libmp3lame -ar 22050 ", ".mp3",
         "-acodec libmp3lame -ar 22050 ", Without({"libmp3lame"})},
        {"17 no list: nothing substituted", "-vcodec libxvid -acodec libmp3lame ", ".avi",
         "-vcodec libxvid -acodec libmp3lame ", EncoderCapabilities{true, false, {}}},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, VideoOptions) {
    const Case cases[] = {
        {"5 crop before -s scaling", "-r 29.97 -croptop 58 -cropbottom 62 -s 640x272 ", ".avi",
         "-r 29.97 -vf crop=iw-0-0:ih-58-62:0:58 -s 640x272 "},
        {"5 all four sides, existing chain", "-cropleft 8 -cropright 4 -vf hflip -croptop 2 ",
         ".avi", "-vf crop=iw-8-4:ih-2-0:8:2,hflip "},
        {"6 flags merged, 4mv renamed, aic for AVI's mpeg4",
         "-flags +4mv -trellis -aic -flags +loop ", ".avi", "-flags:v +mv4+loop+aic -trellis:v 1 "},
        {"6 a bare value replaces the flags before it", "-flags +loop -flags gray-4mv ", ".avi",
         "-flags:v gray-mv4 "},
        {"6 aic for mpeg4", "-vcodec mpeg4 -flags +4mv -aic ", ".avi",
         "-vcodec mpeg4 -flags:v +mv4+aic "},
        {"6 aic alone for h263p", "-vcodec h263p -aic ", ".avi", "-vcodec h263p -flags:v +aic "},
        {"6 aic dropped for others", "-vcodec h263 -aic ", ".3gp", "-vcodec h263 "},
        {"7 trellis level kept", "-trellis 2 ", ".avi", "-trellis:v 2 "},
        {"7 bare trellis at the end", "-trellis ", ".avi", "-trellis:v 1 "},
        {"8 mv0 for MPEG video", "-vcodec mpeg2video -trellis -mv0 -cmp 2 ", ".mpg",
         "-vcodec mpeg2video -trellis:v 1 -mpv_flags:v +mv0 -cmp 2 "},
        {"8 mv0 by -target", "-f vcd -target ntsc-vcd -mbd rd -mv0 ", ".mpg",
         "-f vcd -target ntsc-vcd -mbd rd -mpv_flags:v +mv0 "},
        {"8 mv0 joins existing flags", "-vcodec mpeg4 -mpv_flags +qp_rd -mv0 ", ".avi",
         "-vcodec mpeg4 -mpv_flags +qp_rd+mv0 "},
        {"8 mv0 dropped for libxvid", "-vcodec libxvid -mv0 ", ".avi", "-vcodec libxvid "},
        {"9 me_method for MPEG video", "-vcodec mpeg4 -me_method x1 ", ".avi",
         "-vcodec mpeg4 -motion_est xone "},
        {"9 me_method elsewhere", "-vcodec wmv2 -me_method hex -vcodec dvvideo ", ".avi",
         "-vcodec wmv2 -vcodec dvvideo "},
        {"9 partitions dropped without libx264", "-vcodec mpeg4 -partitions +parti4x4 ", ".avi",
         "-vcodec mpeg4 "},
        {"11 level dropped for flv", "-vcodec flv -f flv -level 6 -r 25 ", ".flv",
         "-vcodec flv -f flv -r 25 "},
        {"11 level dropped for swf's default", "-f swf -level 5 ", ".swf", "-f swf "},
        {"13 tag dropped in mp4", "-vcodec libxvid -vtag XVID -s 400x240 ", ".mp4",
         "-vcodec libxvid -s 400x240 "},
        {"13 tag dropped by -f", "-f mov -vcodec mpeg4 -tag:v DIVX ", ".avi",
         "-f mov -vcodec mpeg4 "},
        {"13 tag kept in avi", "-vcodec libxvid -vtag XVID ", ".avi",
         "-vcodec libxvid -vtag XVID "},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, Libx264) {
    const Case cases[] = {
        {"16 baseline and 4:2:0", "-vcodec libx264 -level 31 -b 2000kb ", ".mp4",
         "-vcodec libx264 -profile:v baseline -pix_fmt yuv420p -level:v 31 -b:v 2000k "},
        {"16 CABAC asks for more", "-vcodec libx264 -coder 1 ", ".mov",
         "-vcodec libx264 -coder 1 "},
        {"16 a chosen pixel format stays", "-c:v libx264 -pix_fmt yuv444p ", ".mkv",
         "-c:v libx264 -pix_fmt yuv444p "},
        {"16 modern spelling, no profile", "-c:v libx264 -crf 23 ", ".mkv",
         "-c:v libx264 -profile:v baseline -pix_fmt yuv420p -crf 23 "},
        {"9 partitions and me_method",
         "-vcodec libx264 -bf 3 -partitions +parti4x4+parti8x8+partp8x8+partb8x8 -me_method umh ",
         ".mp4", "-vcodec libx264 -bf 3 -partitions i4x4,i8x8,p8x8,b8x8 -motion-est umh "},
        {"9 old search names", "-vcodec libx264 -bf 1 -me_method full -me_method zero ", ".mp4",
         "-vcodec libx264 -bf 1 "},
        {"10 deblock and rate tolerance",
         "-vcodec libx264 -bf 3 -b 3000kb -deblockalpha 1 -deblockbeta -2  -bt 256k ", ".mp4",
         "-vcodec libx264 -bf 3 -b:v 3000k -deblock 1:-2 "
         "-x264-params ratetol=0.0853333 "},
        {"10 rate tolerance joins x264-params",
         "-vcodec libx264 -bf 3 -x264-params ref=1 -bt 1M -b 2M ", ".mp4",
         "-vcodec libx264 -bf 3 -x264-params ref=1:ratetol=0.5 -b:v 2M "},
        {"10 deblock dropped, -bt kept elsewhere", "-vcodec mpeg4 -deblockalpha 0 -bt 256k ",
         ".mp4", "-vcodec mpeg4 -bt 256k "},
        {"10 no bit rate, no tolerance", "-vcodec libx264 -bf 2 -crf 20 -bt 256k ", ".mp4",
         "-vcodec libx264 -bf 2 -crf 20 "},
        {"11 level for libx264 only", "-vcodec libx264 -bf 2 -level 41 ", ".mp4",
         "-vcodec libx264 -bf 2 -level:v 41 "},
        {"11 level dropped for mpeg4", "-vcodec mpeg4 -acodec libfaac -level 22 ", ".mp4",
         "-vcodec mpeg4 -acodec aac "},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, AudioTiming) {
    const std::string async = "aresample=async=1:min_hard_comp=0.100000:first_pts=0";
    const Case cases[] = {
        {"12 async", "-ac 2 -async 1 -r 25 ", ".avi", "-ac 2 -af " + async + " -r 25 "},
        {"12 async joins the chain first", "-af volume=2 -async 1 ", ".avi",
         "-af " + async + ",volume=2 "},
        {"DV audio kept in step", "-target ntsc-dv -aspect 4:3 -f dv ", ".dv",
         "-target ntsc-dv -aspect 4:3 -f dv -af " + async + " "},
        {"DV with async already", "-f dv -async 1 ", ".dv", "-f dv -af " + async + " "},
        {"DV without audio", "-target pal-dv -an ", ".dv", "-target pal-dv -an "},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, WhatItDoesNotKnowOrNeedNotChange) {
    const Case cases[] = {
        {"today's syntax", "-c:v libx264 -profile:v main -b:v 2M -c:a aac -b:a 128k ", ".mp4",
         "-c:v libx264 -profile:v main -b:v 2M -c:a aac -b:a 128k "},
        {"options that kept their meaning",
         "-mbd 2 -cmp 2 -subcmp 2 -qmin 3 -qmax 5 -g 300 -bf 2 -r 23.97 -s vga -strict -1 "
         "-threads 0 -aspect 16:9 -target pal-dvd ",
         ".mpg",
         "-mbd 2 -cmp 2 -subcmp 2 -qmin 3 -qmax 5 -g 300 -bf 2 -r 23.97 -s vga -strict -1 "
         "-threads 0 -aspect 16:9 -target pal-dvd "},
        {"unknown tokens, double blanks kept when nothing changes", "-vn  -weird_option x -ac 2 ",
         ".wav", "-vn  -weird_option x -ac 2 "},
        {"empty arguments", "", ".wav", ""},
        {"quoted tokens come back quoted", "-metadata \"title=My 64kb Clip\" -ab 64kb ", ".mp3",
         "-metadata \"title=My 64kb Clip\" -b:a 64k "},
    };
    ExpectAllAdapted(cases);
}

TEST(ArgumentAdapter, OldBuildsRunTheArgumentsAsComposed) {
    for (const ProfileEntry& profile : AllProfiles()) {
        const AdaptedArguments adapted =
            AdaptArguments(profile.arguments, profile.extension, EncoderCapabilities{});
        EXPECT_EQ(adapted.outcome, AdaptOutcome::Unchanged);
        EXPECT_EQ(adapted.arguments, profile.arguments);
    }
}

TEST(ArgumentAdapter, EveryProfileIsIdempotentOnEveryBuild) {
    const EncoderCapabilities builds[] = {FullBuild(),
                                          Without({"libxvid", "libmp3lame", "libvorbis"}),
                                          With("libfdk_aac"), EncoderCapabilities{true, false, {}}};
    for (const EncoderCapabilities& build : builds) {
        for (const ProfileEntry& profile : AllProfiles()) {
            const AdaptedArguments once =
                AdaptArguments(profile.arguments, profile.extension, build);
            EXPECT_TRUE(once.arguments.ends_with(' ')) << profile.caption;
            const AdaptedArguments twice = AdaptArguments(once.arguments, profile.extension, build);
            EXPECT_EQ(twice.outcome, AdaptOutcome::Unchanged) << profile.caption;
            EXPECT_EQ(twice.arguments, once.arguments) << profile.caption;
        }
    }
}

TEST(ArgumentAdapter, H264ProfilesWithoutLibx264AreRefused) {
    const EncoderCapabilities noX264 = Without({"libx264"});
    int refused = 0;
    for (const ProfileEntry& profile : AllProfiles()) {
        const AdaptedArguments adapted =
            AdaptArguments(profile.arguments, profile.extension, noX264);
        const bool asksForH264 = profile.arguments.find("libx264") != std::string_view::npos;
        EXPECT_EQ(adapted.outcome == AdaptOutcome::NeedsLibx264, asksForH264) << profile.caption;
        refused += asksForH264 ? 1 : 0;
    }
    EXPECT_EQ(refused, 30);
    EXPECT_EQ(AdaptRefusalMessage(AdaptOutcome::NeedsLibx264, "PS3 - 720p Widescreen"),
              "PS3 - 720p Widescreen needs the H.264 encoder libx264, which this ffmpeg does not "
              "have.");
    EXPECT_EQ(AdaptRefusalMessage(AdaptOutcome::Adapted, "x"), "");
    // mov and mp4 profiles that name no encoder get MPEG-4, not H.264, so they run.
    EXPECT_EQ(AdaptArguments("-f mov -r 25 ", ".mov", noX264).arguments,
              "-f mov -r 25 -c:v mpeg4 ");
}

TEST(ArgumentAdapter, JoinedArgumentsSplitBackIntoTheSameTokens) {
    const std::vector<std::vector<std::string>> lists = {
        {},
        {"-vn"},
        {"title=with space", "", "tab\there"},
        {"quote\"inside", "back\\slash", "trailing\\", "both \\\" mixed\\\\"},
        {"C:\\dir with space\\", "%1", "$(id)"},
    };
    for (const auto& tokens : lists) {
        const std::string joined = JoinArgumentsLikeCrt(tokens);
        EXPECT_EQ(SplitArgumentsLikeCrt(joined), tokens) << joined;
        EXPECT_TRUE(tokens.empty() ? joined.empty() : joined.ends_with(' '));
    }
}

}  // namespace
}  // namespace kestrum
