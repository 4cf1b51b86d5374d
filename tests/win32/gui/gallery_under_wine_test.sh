#!/usr/bin/env bash
# The gallery under Wine against the gallery on Linux:
#   gallery_under_wine_test.sh PREFIX GALLERY_EXE COMPARE_TEST_EXE WORK_FOLDER
# Both render every control and window offscreen; the test program compares
# the pictures within the tolerance of rendered pictures.
set -uo pipefail

prefix=$1
gallery=$2
compare=$3
work=$4
wine_run=${KESTRUM_WINE_RUN:?}
linux_gallery=${KESTRUM_LINUX_BUILD:?the Linux build is needed}/skin/gallery/kestrum-skin-gallery

source "$(dirname "$0")/../test_helpers.sh"

rm -rf "$work"
mkdir -p "$work"
QT_QPA_PLATFORM=offscreen "$linux_gallery" --out "$work/linux" || exit 1
QT_QPA_PLATFORM=offscreen "$wine_run" "$prefix" "$gallery" --out "$(winpath "$work/windows")" || exit 1
KESTRUM_GALLERY_LINUX="$(winpath "$work/linux")" KESTRUM_GALLERY_WINDOWS="$(winpath "$work/windows")" \
    "$wine_run" "$prefix" "$compare"
