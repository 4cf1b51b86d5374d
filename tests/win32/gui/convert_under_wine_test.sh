#!/usr/bin/env bash
# Convert... in the Windows program under Wine with a Windows build of ffmpeg:
#   convert_under_wine_test.sh PREFIX TEST_PROGRAM_EXE WORK_FOLDER
# Makes two clips, runs the test program that drives the main window through
# the batch (kestrum_convert_window_test_win64), and probes its outputs.
set -uo pipefail

prefix=$1
program=$2
work=$3
wine_run=${KESTRUM_WINE_RUN:?}
encoder=${KESTRUM_WINDOWS_FFMPEG:?the Windows ffmpeg build is needed; see scripts/fetch-windows-ffmpeg}

source "$(dirname "$0")/../test_helpers.sh"

rm -rf "$work"
mkdir -p "$work/clips/out"
for clip in one two; do
    ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25:duration=2 \
        -f lavfi -i sine=frequency=440:duration=2 -c:v mpeg4 -c:a mp2 "$work/clips/$clip.avi"
done

KESTRUM_CLIPS="$(winpath "$work/clips/")" KESTRUM_ENCODER="$(winpath "$encoder")" \
    QT_QPA_PLATFORM=offscreen "$wine_run" "$prefix" "$program" || exit 1

for clip in one two; do
    expect "$clip.wav" \
        "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$work/clips/out/$clip.wav")" \
        pcm_s16le
done
((failures == 0))
