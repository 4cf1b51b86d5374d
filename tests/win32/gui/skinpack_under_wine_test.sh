#!/usr/bin/env bash
# kestrum-skinpack.exe under Wine: packs the sample skin's folder, encrypted
# with a password that needs quoting, and lists it again; the list must be the
# one the Linux kestrum-skinpack gives of the same file, and the data entry's
# temporary file must be gone afterwards.
#   skinpack_under_wine_test.sh PREFIX SKINPACK_EXE WORK_FOLDER
set -uo pipefail

prefix=$1
skinpack=$2
work=$3
wine_run=${KESTRUM_WINE_RUN:?}
linux_build=${KESTRUM_LINUX_BUILD:?the Linux build with the sample skin is needed}

source "$(dirname "$0")/../test_helpers.sh"

rm -rf "$work"
mkdir -p "$work"
password='p w$%1 "q"'
temp="$prefix/drive_c/users/$(id -un)/AppData/Local/Temp"
before=$(ls "$temp" 2>/dev/null | wc -l)

"$wine_run" "$prefix" "$skinpack" "$(winpath "$linux_build/resources/skins/graphite")" \
    "$(winpath "$work/graphite.skin")" --password "$password" || exit 1
windows_list=$("$wine_run" "$prefix" "$skinpack" --list "$(winpath "$work/graphite.skin")" \
    --password "$password" | tr -d '\r') || exit 1
linux_list=$("$linux_build/skin/skinpack/kestrum-skinpack" --list "$work/graphite.skin" \
    --password "$password") || exit 1

expect "the Windows list is the Linux one" "$windows_list" "$linux_list"
expect "no temporary file left" "$(ls "$temp" 2>/dev/null | wc -l)" "$before"
((failures == 0))
