#!/usr/bin/env bash
# kestrum-convert.exe under Wine, as a user runs it:
#   kestrum_convert_exe_test.sh PREFIX KESTRUM_CONVERT_EXE FAKE_ENCODER_EXE WORK_FOLDER
# The worked example, the test encoder's scripted-output, silent, failing and
# stopped runs (the last two also over an output the user agreed to replace,
# which stays as it was), a program that cannot start, an output held open without
# sharing, Debian's ffmpeg named by its Z: path (which Windows, and so we,
# refuse: it is no Windows program), and real conversions with a Windows
# build of ffmpeg.
set -uo pipefail

prefix=$1
convert=$2
encoder=$3
work=$4
wine_run=${KESTRUM_WINE_RUN:?}

source "$(dirname "$0")/test_helpers.sh"
rm -rf "$work"
mkdir -p "$work"

# Runs kestrum-convert.exe with no one to answer; sets status, out and err
# (line ends without the carriage returns of Windows text output).
run() {
    "$wine_run" "$prefix" "$convert" "$@" </dev/null >"$work/out" 2>"$work/err"
    status=$?
    out=$(tr -d '\r' <"$work/out")
    err=$(tr -d '\r' <"$work/err")
}

# Runs kestrum-convert.exe until the test encoder has written its pid, then
# presses Ctrl-C (Wine turns SIGINT into the console's Ctrl-C); sets status
# and stopped_after (seconds from Ctrl-C to the end).
convert_then_ctrl_c() {
    rm -f "$work/pid"
    "$wine_run" "$prefix" "$convert" "$@" </dev/null >/dev/null 2>&1 &
    local running=$!
    for _ in $(seq 400); do
        [[ -s "$work/pid" ]] && break
        sleep 0.05
    done
    kill -INT "$running"
    local started=$SECONDS
    wait "$running"
    status=$?
    stopped_after=$((SECONDS - started))
}

fake=$(winpath "$encoder")
out_folder=$(winpath "$work/out folder")
duration='err   Duration: 00:00:10.00, start: 0.000000, bitrate: 1411 kb/s\n'

# The worked example, exactly.
run --print-command --profile "MP3 - MPEG Layer-3 Audio" --output-folder 'D:\Out' 'C:\Clips\my clip.avi'
expect "worked example" "$status|$out" \
    '0|output: D:\Out\my clip.mp3
command: ffmpeg -i "C:\Clips\my clip.avi" -vn -acodec libmp3lame -ab 128kb -ac 2 -ar 44100 "D:\Out\my clip.mp3"'

# The test encoder: scripted output converts; silence and a failing status do not.
printf '%s\nerr frame=1 time=5.00 bitrate=1\\n\nexit 0\n' "$duration" >"$work/good clip.avi"
printf 'sleep 300\n' >"$work/silent.avi"
printf '%s\nwrite 1000\nerr time=5.00\\n\nexit 1\n' "$duration" >"$work/failing.avi"
run --profile "WAV - Waveform Audio" --encoder "$fake" --output-folder "$out_folder" \
    "$(winpath "$work/good clip.avi")" "$(winpath "$work/silent.avi")" \
    "$(winpath "$work/failing.avi")"
expect "test encoder: status" "$status" 1
expect "test encoder: progress" "$out" \
    '[1/3] 50% elapsed 00:00 estimated 00:00 good clip.wav
[1/3] converted good clip.wav
[2/3] failed silent.avi
[3/3] 50% elapsed 00:00 estimated 00:00 failing.wav
[3/3] failed failing.avi'
expect "test encoder: messages" "$err" \
    "kestrum-convert: creating the output folder $out_folder
silent.avi, failing.avi, file conversion failed."

# Stop: Ctrl-C ends the batch and the encoder, which ignores Ctrl-C itself.
printf 'ignore-signals\npid %s\nwrite 1000\n%s\nsleep 30000\n' "$(winpath "$work/pid")" "$duration" \
    >"$work/long.avi"
convert_then_ctrl_c --profile "WAV - Waveform Audio" --encoder "$fake" \
    --output-folder "$out_folder" "$(winpath "$work/long.avi")"
expect "stop: status" "$status" 130
expect "stop: quick" "$((stopped_after < 10))" 1
expect "stop: no output" "$([[ -e "$work/out folder/long.wav" ]] && echo kept || echo none)" none

# The same over an output the user agreed to replace: the old one stays as it
# was, and the encoder's unfinished file goes with the encoder.
printf old >"$work/out folder/long.wav"
convert_then_ctrl_c --profile "WAV - Waveform Audio" --encoder "$fake" \
    --output-folder "$out_folder" --overwrite yes "$(winpath "$work/long.avi")"
expect "stop over an old output: status" "$status" 130
expect "stop over an old output: kept" "$(cat "$work/out folder/long.wav")" old
expect "stop over an old output: nothing unfinished" "$(ls "$work/out folder" | grep -c partial)" 0

# A failing encoder over an output the user agreed to replace: the same.
printf old >"$work/out folder/failing.wav"
run --profile "WAV - Waveform Audio" --encoder "$fake" --output-folder "$out_folder" \
    --overwrite yes "$(winpath "$work/failing.avi")"
expect "failing over an old output" "$status|$(cat "$work/out folder/failing.wav")" "1|old"
expect "failing over an old output: nothing unfinished" \
    "$(ls "$work/out folder" | grep -c partial)" 0

# A program that cannot be started: the bare name, with no ffmpeg to be found.
# The output converted above stays as it was, with nothing unfinished beside it.
run --profile "WAV - Waveform Audio" --output-folder "$out_folder" --overwrite yes \
    "$(winpath "$work/good clip.avi")"
expect "cannot start" "$status|$err" "1|Error while creating convert process!2
good clip.avi, file conversion failed."
expect "cannot start: nothing unfinished" "$(ls "$work/out folder" | grep -c partial)" 0

# An output that another program holds open without sharing.
printf old >"$work/out folder/good clip.wav"
printf 'hold %s 20000\n' "$(winpath "$work/out folder/good clip.wav")" >"$work/holder.avi"
"$wine_run" "$prefix" "$encoder" -i "$(winpath "$work/holder.avi")" >/dev/null 2>&1 &
holder=$!
for _ in $(seq 400); do
    [[ -e "$work/out folder/good clip.wav.held" ]] && break
    sleep 0.05
done
run --profile "WAV - Waveform Audio" --encoder "$fake" --output-folder "$out_folder" \
    --overwrite yes "$(winpath "$work/good clip.avi")"
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null
expect "in use" "$status|$err" \
    "1|$out_folder\\good clip.wav may be used, convert process failed!
good clip.avi, file conversion failed."

# Debian's ffmpeg by its Z: path, on a generated clip: Wine would start it
# detached from our pipes; like Windows, we refuse a program that is not one.
ffmpeg -hide_banner -loglevel error -y -f lavfi -i sine=frequency=440:duration=1 \
    "$work/tone.wav"
run --profile "MP3 - MPEG Layer-3 Audio" --encoder 'Z:\usr\bin\ffmpeg' \
    --output-folder "$out_folder" "$(winpath "$work/tone.wav")"
expect "host ffmpeg" "$status|$err" "1|Error while creating convert process!193
tone.wav, file conversion failed."
expect "host ffmpeg: nothing started" \
    "$([[ -e "$work/out folder/tone.mp3" ]] && echo written || echo none)" none

# A real conversion under Wine: a Windows build of ffmpeg (see
# scripts/fetch-windows-ffmpeg) on a generated clip, in a folder whose name
# needs quoting, through real pipes, with progress and the adapted arguments.
windows_ffmpeg=${KESTRUM_WINDOWS_FFMPEG:?the Windows ffmpeg build is needed; see scripts/fetch-windows-ffmpeg}
clips="$work/clips \$x 'q'"
mkdir -p "$clips"
ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=3 \
    -f lavfi -i sine=frequency=440:duration=3 -c:v mpeg4 -c:a mp2 "$clips/my clip.avi"
for profile in "WAV - Waveform Audio" "MPEG-1 (*.mpg)" \
    "iPod - Highest Quality (H264, 30 fps, 640x480, 2.5MBit; AAC)"; do
    run --profile "$profile" --encoder "$(winpath "$windows_ffmpeg")" --same-as-input \
        "$(winpath "$clips/my clip.avi")"
    expect "windows ffmpeg, $profile: status" "$status" 0
    expect "windows ffmpeg, $profile: progress" "$(grep -q '% elapsed' <<<"$out" && echo shown)" shown
done
expect "windows ffmpeg: wav" \
    "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$clips/my clip.wav")" pcm_s16le
expect "windows ffmpeg: mpeg-1" \
    "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$clips/my clip.mpg" | sort | tr '\n' ' ')" \
    "mp2 mpeg1video "
expect "windows ffmpeg: h.264" \
    "$(ffprobe -v error -show_entries stream=codec_name -of csv=p=0 "$clips/my clip.mp4" | sort | tr '\n' ' ')" \
    "aac h264 "

((failures == 0))
