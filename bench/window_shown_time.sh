#!/usr/bin/env bash
# Start-up to a visible main window on a virtual X display, measured from
# outside: the time from starting COMMAND until a window with the product
# title is on the display, RUNS times, each run a new process; prints each
# figure and the median. The same measure for the Linux program and for the
# Windows program under Wine:
#   bench/window_shown_time.sh 5 build/release/app/ui/kestrum-video-converter
#   WINEPREFIX=/tmp/p bench/window_shown_time.sh 5 scripts/wine-run /tmp/p kestrum-video-converter.exe
set -uo pipefail

runs=$1
shift
title="Kestrum Zude Ridaz Avovozozi"

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 30 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
export XDG_CONFIG_HOME
XDG_CONFIG_HOME=$(mktemp -d)
unset QT_QPA_PLATFORM
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT

shown() { xwininfo -root -tree 2>/dev/null | grep -q "\"$title\""; }

times=()
for _ in $(seq "$runs"); do
    if [[ -n "${WINEPREFIX:-}" ]]; then
        # A restarted Wine hands out the same process numbers again, so a copy
        # would take the lock a killed one left for a running copy's.
        rm -f "$WINEPREFIX"/drive_c/users/*/Temp/kestrum-*.lock
    fi
    started=$(date +%s%N)
    "$@" &
    program=$!
    until shown; do
        sleep 0.01
    done
    times+=($((($(date +%s%N) - started) / 1000000)))
    echo "shown after ${times[-1]} ms"
    kill "$program" 2>/dev/null
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null
    fi
    # A program stopped while it starts may not hear the first request.
    for _ in $(seq 50); do
        shown || break
        sleep 0.1
    done
    kill -KILL "$program" 2>/dev/null
    wait "$program" 2>/dev/null
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "median: $median ms"
