#!/usr/bin/env bash
# The program from its zip as a Windows user starts it, under Wine on a
# virtual X display with the windows platform plugin:
#   window_under_wine_test.sh WORK_FOLDER   (the zip named in KESTRUM_WINDOWS_ZIP)
# The zip is unpacked into an empty folder and started in a fresh prefix with
# nothing else in it; the main window must appear with the product title. A
# second start must end with exit status 0 and open no second window.
set -uo pipefail

work=$1
zip=${KESTRUM_WINDOWS_ZIP:?the zip of scripts/package-windows is needed}
wine_run=${KESTRUM_WINE_RUN:?}
title="Kestrum Zude Ridaz Avovozozi"
source "$(dirname "$0")/../test_helpers.sh"

rm -rf "$work"
mkdir -p "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || exit 1
program=$(echo "$work"/unpacked/*/kestrum-video-converter.exe)
prefix="$work/prefix"

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 30 display <&3 || { echo "FAILED Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WINEPATH
cleanup() {
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT

# The prefix is made before the clock starts, as a Windows machine is there
# before the program.
"$wine_run" "$prefix" cmd /c exit 0

windows() { xwininfo -root -tree 2>/dev/null | grep -c "\"$title\"" || true; }


"$wine_run" "$prefix" "$program" &
started=$(date +%s%N)
for _ in $(seq 600); do
    (($(windows) > 0)) && break
    sleep 0.05
done
shown=$((($(date +%s%N) - started) / 1000000))
expect "the main window is shown" "$(windows)" 1
echo "the main window appeared after $shown ms"

"$wine_run" "$prefix" "$program"
expect "a second start ends with 0" "$?" 0
sleep 1
expect "no second window" "$(windows)" 1

((failures == 0))
