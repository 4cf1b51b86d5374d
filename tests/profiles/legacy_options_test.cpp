#include <gtest/gtest.h>

#include "profiles/adapter_cases.h"
#include "profiles/core/argument_adapter.h"

// The options of the encoder builds of about 2008 to 2012 that manual
// commands copied from guides of the time use, family by family.
namespace kestrum {
namespace {

using test::Case;
using test::ExpectAllAdapted;
using test::FullBuild;
using test::With;

TEST(LegacyOptions, PresetFilesBecomeTheSettingsTheyHeld) {
    const Case cases[] = {
        {"a profile file", "-vcodec libx264 -vpre baseline -crf 22 ", ".mp4",
         "-vcodec libx264 -coder 0 -bf 0 -weightb 0 -8x8dct 0 -wpredp 0 -crf 22 "},
        {"x264's own presets, then a device's limits",
         "-vcodec libx264 -vpre slow -vpre ipod320 -b 300k ", ".mp4",
         "-vcodec libx264 -preset slow -coder 0 -bf 0 -weightb 0 -8x8dct 0 -mbtree 1 -level:v 13 "
         "-maxrate 768000 -bufsize 3000000 -wpredp 0 -b:v 300k "},
        {"a first pass by its file name", "-vcodec libx264 -vpre libx264-slow_firstpass -pass 1 ",
         ".mp4", "-vcodec libx264 -preset slow -pass 1 "},
        {"-fpre names the file",
         "-vcodec libx264 -fpre \"C:\\Program Files\\ffmpeg\\libx264-main.ffpreset\" -bf 3 ",
         ".mkv", "-vcodec libx264 -8x8dct 0 -mbtree 1 -bf 3 "},
        {"options after the preset still win", "-vcodec libx264 -vpre ipod640 -refs 2 ", ".mp4",
         "-vcodec libx264 -coder 0 -bf 0 -refs 1 -weightb 0 -8x8dct 0 -level:v 30 "
         "-maxrate 10000000 -bufsize 10000000 -wpredp 0 -refs 2 "},
        {"hq of 2008, spelled today", "-vcodec libx264 -vpre hq ", ".mp4",
         "-vcodec libx264 -flags:v +loop -cmp +chroma -g 250 -keyint_min 25 -sc_threshold 40 "
         "-i_qfactor 0.71 -qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -partitions i8x8,i4x4,p8x8,b8x8 "
         "-coder 1 -me_range 16 -motion-est umh -subq 8 -b_strategy 2 -bf 3 -refs 4 "
         "-direct-pred 3 -trellis:v 1 -weightb 1 -mixed-refs 1 -8x8dct 1 -fast-pskip 1 "},
        {"lossless, never Baseline", "-vcodec libx264 -vpre lossless_ultrafast ", ".mkv",
         "-vcodec libx264 -flags:v +loop -cmp +chroma -g 250 -keyint_min 25 -sc_threshold 40 "
         "-i_qfactor 0.71 -qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -partitions none -coder 0 "
         "-me_range 16 -motion-est dia -subq 0 -b_strategy 1 -direct-pred 1 -fast-pskip 1 "
         "-mbtree 1 -qp 0 "},
        {"libvpx's files are not known", "-vcodec libvpx -vpre 720p -b 2M ", ".webm",
         "-vcodec libvpx -b:v 2M "},
        {"no libx264 named: the file was not found", "-vpre hq -b 1M ", ".avi", "-b:v 1M "},
        {"audio and subtitle presets", "-acodec libmp3lame -apre hq -spre x ", ".mp3",
         "-acodec libmp3lame "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, PictureOptionsBecomeOneChainInTheOldOrder) {
    const Case cases[] = {
        {"padding", "-padtop 20 -padbottom 20 ", ".avi", "-vf pad=iw:ih+40:0:20 "},
        {"letterbox: -s is the picture inside the bands",
         "-s 640x360 -padtop 60 -padbottom 60 -padcolor 000000 ", ".avi",
         "-vf scale=640:360,pad=iw:ih+120:0:60:color=0x000000 "},
        {"a size by name, a colour with #", "-s qvga -padleft 10 -padright 10 -padcolor #FF0000 ",
         ".avi", "-vf scale=size=qvga,pad=iw+20:ih:10:0:color=0xFF0000 "},
        {"crop, scale, the user's chain, pad",
         "-croptop 8 -cropbottom 8 -vf hflip -s 320x180 -padtop 30 -padbottom 30 ", ".avi",
         "-vf crop=iw-0-0:ih-8-8:0:8,scale=320:180,hflip,pad=iw:ih+60:0:30 "},
        {"a colour alone paints nothing", "-padcolor 000000 -r 25 ", ".avi", "-r 25 "},
        {"deinterlacing", "-deinterlace -b 800k ", ".mpg", "-vf yadif -b:v 800k "},
        {"deinterlacing comes first", "-vf eq=2 -deinterlace -cropleft 4 ", ".avi",
         "-vf yadif,crop=iw-4-0:ih-0-0:4:0,eq=2 "},
        {"renamed filters", "-vf aspect=16:9,pixelaspect=1:1 -s 320x180 ", ".avi",
         "-vf setdar=16:9,setsar=1:1 -s 320x180 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, TextHooksBecomeDrawtext) {
    const Case cases[] = {
        {"drawtext.so with its defaults",
         "-vhook \"/usr/lib/vhook/drawtext.so -f /fonts/Vera.ttf -t Hello\" ", ".avi",
         "-vf drawtext=fontfile=/fonts/Vera.ttf:text=Hello:x=0:y=0:fontsize=16:fontcolor=#ffffff "},
        {"every option, a time and a Windows font path",
         "-vhook \"drawtext.dll -f C:\\fonts\\arial.ttf -t %H:%M -x 10 -y 20 -s 24 -c #ffff00 "
         "-C #000080 -b -o\" ",
         ".avi",
         R"(-vf drawtext=fontfile=\'C:\\fonts\\arial.ttf\':text=\'%H:%M\':expansion=strftime:)"
         R"(x=10:y=20:fontsize=24:fontcolor=#ffff00:box=1:boxcolor=#000080:borderw=1:)"
         "bordercolor=#000080 "},
        {"text from a file", "-vhook \"drawtext.so -f f.ttf -t x -T /tmp/now.txt\" ", ".avi",
         "-vf drawtext=fontfile=f.ttf:textfile=/tmp/now.txt:reload=1:x=0:y=0:fontsize=16:"
         "fontcolor=#ffffff "},
        {"imlib2's text and expressions",
         "-vhook \"/usr/lib/vhook/imlib2.so -c red -F Vera.ttf/20 -x W-w-10 -y (N*2)%H -t Hi\" ",
         ".avi", "-vf drawtext=text=Hi:font=Vera:fontsize=20:x=W-tw-10:y=(n*2)%H:fontcolor=red "},
        {"imlib2's pictures are dropped", "-vhook \"imlib2.so -i logo.png -x 0 -y 0\" -r 25 ",
         ".avi", "-r 25 "},
        {"imlib2 with nothing to draw", "-vhook \"imlib2.so -x 0\" -r 25 ", ".avi", "-r 25 "},
        {"a text the chain's syntax would split",
         "-vhook \"drawtext.so -f f.ttf -t It's,[5]:done;\" ", ".avi",
         R"(-vf drawtext=fontfile=f.ttf:text=\'It\'\\\'\'s\,\[5\]:done\;\':x=0:y=0:fontsize=16:)"
         "fontcolor=#ffffff "},
        {"other hooks are dropped",
         "-vhook \"drawtext.so -f f.ttf -t A\" -vhook \"/usr/lib/vhook/fish.so\" ", ".avi",
         "-vf drawtext=fontfile=f.ttf:text=A:x=0:y=0:fontsize=16:fontcolor=#ffffff "},
        {"after deinterlacing, before cropping",
         "-croptop 4 -vhook \"drawtext.so -f f.ttf -t A\" -deinterlace ", ".avi",
         "-vf yadif,drawtext=fontfile=f.ttf:text=A:x=0:y=0:fontsize=16:fontcolor=#ffffff,"
         "crop=iw-0-0:ih-4-0:0:4 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, GoneFlagsMoveToTheEncodersThatKnowThem) {
    const Case cases[] = {
        {"MPEG-4", "-vcodec mpeg4 -flags +4mv+part+alt+naq -mbd 2 ", ".avi",
         "-vcodec mpeg4 -flags:v +mv4 -mpv_flags:v +naq -data_partitioning 1 -alternate_scan 1 "
         "-mbd 2 "},
        {"rate-distortion flags join -mpv_flags",
         "-vcodec mpeg4 -mpv_flags +mv0 -flags +cbp+qprd -trellis 1 ", ".avi",
         "-vcodec mpeg4 -mpv_flags +mv0+cbp_rd+qp_rd -trellis:v 1 "},
        {"an encoder that never knew them", "-vcodec wmv2 -flags +part+umv+gmc ", ".wmv",
         "-vcodec wmv2 "},
        {"H.263+", "-vcodec h263p -flags +umv+obmc+aic ", ".avi",
         "-vcodec h263p -flags:v +aic -umv 1 -obmc 1 "},
        {"Xvid, and a flag switched off", "-vcodec libxvid -flags +gmc-cbp ", ".avi",
         "-vcodec libxvid -gmc 1 "},
        {"trellis as a flag", "-vcodec mpeg2video -flags +trell+ildct ", ".mpg",
         "-vcodec mpeg2video -flags:v +ildct -trellis:v 1 "},
        {"bare flag options", "-vcodec mpeg4 -4mv -part -ilme ", ".avi",
         "-vcodec mpeg4 -flags:v +mv4+ilme -data_partitioning 1 "},
        {"bare -umv", "-vcodec h263p -umv -s cif ", ".avi", "-vcodec h263p -umv 1 -s cif "},
        {"bare -umv elsewhere", "-vcodec flv -umv ", ".flv", "-vcodec flv "},
        {"x264's -flags2",
         "-vcodec libx264 -bf 3 -flags2 "
         "+bpyramid-wpred+mixed_refs-dct8x8+aud+mbtree+psy+ssim+intra_refresh-fastpskip+brdo ",
         ".mp4",
         "-vcodec libx264 -bf 3 -b-pyramid normal -weightb 0 -mixed-refs 1 -8x8dct 0 -aud 1 "
         "-mbtree 1 -psy 1 -ssim 1 -intra-refresh 1 -fast-pskip 0 "},
        {"today's terms stay", "-vcodec mpeg4 -flags2 +fast+local_header+bpyramid ", ".avi",
         "-vcodec mpeg4 -flags2 +fast+local_header "},
        {"MPEG-2's -flags2",
         "-vcodec mpeg2video -flags2 +skiprd+sgop+ivlc+non_linear_q+drop_frame_timecode ", ".mpg",
         "-vcodec mpeg2video -mpv_flags:v +skip_rd+strict_gop -intra_vlc 1 -non_linear_quant 1 "
         "-drop_frame_timecode 1 "},
        {"LAME's reservoir", "-acodec libmp3lame -flags2 -reservoir ", ".mp3",
         "-acodec libmp3lame -reservoir 0 "},
        {"several -flags2", "-flags2 +brdo -flags2 +wpred -vcodec libx264 -bf 2 ", ".mp4",
         "-weightb 1 -vcodec libx264 -bf 2 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, QualityOptions) {
    const Case cases[] = {
        {"-qscale was for the video", "-qscale 4 -acodec libmp3lame ", ".avi",
         "-q:v 4 -acodec libmp3lame "},
        {"same quality", "-sameq -vcodec mpeg4 ", ".avi", "-q:v 2 -vcodec mpeg4 "},
        {"same quality for libx264", "-vcodec libx264 -same_quant ", ".mp4",
         "-vcodec libx264 -profile:v baseline -pix_fmt yuv420p -crf 18 "},
        {"same quality beside a quantiser", "-sameq -qscale 5 ", ".avi", "-q:v 5 "},
        {"same quality without video", "-vn -sameq -acodec libmp3lame ", ".mp3",
         "-vn -acodec libmp3lame "},
        {"intra only", "-g 300 -intra -vcodec mpeg4 ", ".avi", "-vcodec mpeg4 -g 1 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, X264OptionsOfTheOldWrapper) {
    const Case cases[] = {
        {"renamed",
         "-vcodec libx264 -bf 2 -directpred 3 -cqp 20 -aq_mode 2 -aq_strength 1.2 "
         "-rc_lookahead 40 -complexityblur 20 -nr 200 ",
         ".mp4",
         "-vcodec libx264 -bf 2 -direct-pred 3 -qp 20 -aq-mode 2 -aq-strength 1.2 "
         "-rc-lookahead 40 -cplxblur 20 -noise_reduction 200 "},
        {"other encoders",
         "-vcodec mpeg4 -directpred 3 -cqp 20 -psy_rd 1.0 -nr 200 -rc_lookahead 20 ", ".avi",
         "-vcodec mpeg4 -noise_reduction 200 -rc_lookahead 20 "},
        {"psycho-visual strengths", "-vcodec libx264 -bf 3 -psy_trellis 0.15 ", ".mp4",
         "-vcodec libx264 -bf 3 -psy-rd 1.0:0.15 "},
        {"lossless is never Baseline", "-vcodec libx264 -cqp 0 ", ".mkv", "-vcodec libx264 -qp 0 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, GoneAudioEncoders) {
    const Case cases[] = {
        {"VisualOn AAC", "-vn -acodec libvo_aacenc -ab 128k ", ".m4a",
         "-vn -acodec aac -b:a 128k "},
        {"VisualOn AAC, Fraunhofer's present", "-vn -acodec libvo_aacenc ", ".m4a",
         "-vn -acodec libfdk_aac ", With("libfdk_aac")},
        {"HE-AAC", "-vn -acodec libaacplus -ab 32k ", ".m4a",
         "-vn -acodec libfdk_aac -profile:a aac_he -b:a 32k ", With("libfdk_aac")},
        {"HE-AAC, nothing to write it", "-vn -acodec libaacplus -ab 32k ", ".m4a",
         "-vn -acodec aac -b:a 32k "},
        {"AMR", "-vcodec mpeg4 -acodec amr_nb -ar 8000 ", ".3gp",
         "-vcodec mpeg4 -acodec libopencore_amrnb -ar 8000 ", With("libopencore_amrnb")},
        {"AMR, nothing to write it", "-vcodec mpeg4 -acodec amr_nb -ar 8000 ", ".3gp",
         "-vcodec mpeg4 -acodec aac -ar 8000 "},
        {"wide band AMR", "-vn -acodec libamr_wb ", ".3gp", "-vn -acodec libvo_amrwbenc ",
         With("libvo_amrwbenc")},
        {"a build that still has it", "-vn -acodec libaacplus ", ".m4a", "-vn -acodec libaacplus ",
         With("libaacplus")},
        {"no encoder list", "-vn -acodec libaacplus ", ".m4a", "-vn -acodec libaacplus ",
         EncoderCapabilities{true, false, {}}},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, VolumeStreamsAndMetadata) {
    const std::string async = "aresample=async=1:min_hard_comp=0.100000:first_pts=0";
    const Case cases[] = {
        {"volume", "-vol 512 -ab 128k ", ".mp3", "-af volume=2 -b:a 128k "},
        {"volume ends the chain", "-af highpass=f=200 -vol 128 ", ".mp3",
         "-af highpass=f=200,volume=0.5 "},
        {"volume after -async", "-vol 256 -async 1 ", ".avi", "-af " + async + ",volume=1 "},
        {"maps", "-map 0.0 -map 0.1 ", ".avi", "-map 0:0 -map 0:1 "},
        {"maps with a sync stream", "-map 0:0 -map 0.1:0.0 -map 0:1:0:0 ", ".avi",
         "-map 0:0 -map 0:1,0:0 -map 0:1,0:0 "},
        {"metadata and chapter maps", "-map_meta_data 0:0 -map_chapters 0:0 ", ".mkv",
         "-map_metadata 0 -map_chapters 0 "},
        {"sync methods", "-vsync 0 -vsync -1 -vsync 2 ", ".avi",
         "-vsync passthrough -vsync auto -vsync vfr "},
        {"information options",
         "-title \"A B\" -author X -copyright C -comment D -album E -year 2009 -track 3 "
         "-genre Pop -timestamp now ",
         ".mp3",
         "-metadata \"title=A B\" -metadata artist=X -metadata copyright=C -metadata comment=D "
         "-metadata album=E -metadata date=2009 -metadata track=3 -metadata genre=Pop "
         "-metadata creation_time=now "},
        {"languages", "-vlang eng -alang ger -slang fre ", ".mkv",
         "-metadata:s:v language=eng -metadata:s:a language=ger -metadata:s:s language=fre "},
        {"per-kind options",
         "-vbsf h264_mp4toannexb -absf aac_adtstoasc -sbsf mov2textsub -dframes 1 "
         "-loop_output 0 ",
         ".mkv",
         "-bsf:v h264_mp4toannexb -bsf:a aac_adtstoasc -bsf:s mov2textsub -frames:d 1 -loop 0 "},
        {"no effect on a file",
         "-isync -re -loop_input -vdt 2 -er 4 -tvstd pal -vc 1 -newaudio -newvideo -newsubtitle "
         "-r 25 ",
         ".avi", "-r 25 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, TodaysSpellingsStayAsTheyAre) {
    const Case cases[] = {
        {"libx264", "-c:v libx264 -preset slow -crf 20 -x264-params ref=4 -qp 0 -aq-mode 1 ",
         ".mkv", "-c:v libx264 -preset slow -crf 20 -x264-params ref=4 -qp 0 -aq-mode 1 "},
        {"encoder options",
         "-c:v mpeg4 -flags2 +fast -mpv_flags +cbp_rd -data_partitioning 1 -q:v 3 -g 1 ", ".avi",
         "-c:v mpeg4 -flags2 +fast -mpv_flags +cbp_rd -data_partitioning 1 -q:v 3 -g 1 "},
        {"H.263+", "-c:v h263p -umv 1 -obmc 0 ", ".avi", "-c:v h263p -umv 1 -obmc 0 "},
        {"streams and metadata",
         "-map 0 -map 0:a:0 -map -0:s -map 0:1,0:0 -map_metadata 0 -vsync cfr -metadata title=x "
         "-bsf:v h264_mp4toannexb -frames:d 1 -loop 0 ",
         ".mkv",
         "-map 0 -map 0:a:0 -map -0:s -map 0:1,0:0 -map_metadata 0 -vsync cfr -metadata title=x "
         "-bsf:v h264_mp4toannexb -frames:d 1 -loop 0 "},
        {"filters", "-vf yadif,scale=320:180,pad=iw:ih+60:0:30,setdar=16:9 -af volume=2 ", ".avi",
         "-vf yadif,scale=320:180,pad=iw:ih+60:0:30,setdar=16:9 -af volume=2 "},
    };
    ExpectAllAdapted(cases);
}

TEST(LegacyOptions, NotesSayWhatWasDroppedOrApproximated) {
    struct NoteCase {
        std::string arguments, extension;
        std::vector<std::string> notes;
    };
    const NoteCase cases[] = {
        {"-sameq -vcodec mpeg4 ",
         ".avi",
         {"-sameq: today's encoders cannot reuse the source's quantisers; a fixed high quality "
          "(-q:v 2) is used instead"}},
        {"-sameq -qscale 5 -sameq ",
         ".avi",
         {"-sameq is dropped: the fixed quality given with it decides"}},
        {"-vn -same_quant ", ".mp3", {"-same_quant is dropped: the output has no video"}},
        {"-vcodec libvpx -vpre 720p ",
         ".webm",
         {"-vpre 720p: not one of the libx264 preset files of the time, whose settings are "
          "known; the preset is dropped"}},
        {"-apre hq ",
         ".mp3",
         {"-apre hq: today's ffmpeg has no preset files of that kind; the preset is dropped"}},
        {"-vhook \"/usr/lib/vhook/watermark.so -f logo.gif\" ",
         ".avi",
         {"-vhook watermark: today's ffmpeg loads no video hooks and has no filter that does the "
          "same; the hook is dropped"}},
        {"-acodec libaacplus -re -isync ",
         ".m4a",
         {"libaacplus: this ffmpeg has no HE-AAC encoder; AAC (aac) is written instead",
          "-isync is dropped: it only kept several inputs in step",
          "-re is dropped: it only slowed reading the input down to its frame rate"}},
        {"-tvstd ntsc -vc 1 ",
         ".mpg",
         {"-tvstd is dropped: it only set up a grabbing device",
          "-vc is dropped: it only set up a grabbing device"}},
        // Rewrites with the same meaning need no note.
        {"-vcodec libx264 -vpre hq -padtop 8 -deinterlace -map 0.1 ", ".mp4", {}},
    };
    for (const NoteCase& c : cases) {
        EXPECT_EQ(AdaptArguments(c.arguments, c.extension, FullBuild()).notes, c.notes)
            << c.arguments;
    }
    // Old builds run the arguments as written and have nothing to say.
    EXPECT_TRUE(AdaptArguments("-sameq ", ".avi", EncoderCapabilities{}).notes.empty());
}

}  // namespace
}  // namespace kestrum
