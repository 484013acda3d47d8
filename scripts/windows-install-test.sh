#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages under Wine: the setup installs silently for the
# current user and for all users, the program starts from where it was
# installed, and the uninstaller removes every file and registry entry the
# setup added. Also checks the program file: size, imports, version.
# Usage: scripts/windows-install-test.sh BUILD_DIR (a Windows build with
# the windows_packages target built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
source scripts/wine-env.sh

exe=$build/app/kelvastro.exe
setup=$(ls "$build"/kelvastro-*-setup.exe)
portable=$(ls "$build"/kelvastro-*-portable.zip)
fail() { echo "FAIL: $*"; exit 1; }

# The program file: small, no runtime DLLs, its version information.
size=$(stat -c %s "$exe")
[ "$size" -le 1048576 ] || fail "kelvastro.exe is $size bytes, more than 1 MB"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print toupper($3) }' | sort | tr '\n' ' ')
for dll in $imports; do
    case $dll in
    # The system's own, in every Windows since XP; OLEACC answers screen readers.
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | ADVAPI32.DLL | MSVCRT.DLL | OLE32.DLL | OLEAUT32.DLL | \
        OLEACC.DLL) ;;
    *) fail "kelvastro.exe imports $dll, which not every Windows has" ;;
    esac
done
version=$(strings -el "$exe" | grep -A1 -x ProductVersion | tail -1)
product=$(strings -el "$exe" | grep -A1 -x ProductName | tail -1)
[ "$version" = "1.0.0.0" ] && [ "$product" = "Kelvastro" ] || fail "version information: '$product' '$version'"
echo "kelvastro.exe: $size bytes; imports $imports; $product $version"
# The icon as the shell reads it from the program file: every size it asks
# for from 100 to 200 %, 32-bit with alpha, the 64 x 64 one 24-bit.
wrestool -x --type=group_icon --name=IDI_ICON1 "$exe" >"$build/icon-readback.ico"
sizes=$(icotool -l "$build/icon-readback.ico" | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2x\3/' | tr '\n' ' ')
[ "$sizes" = "16x16x32 20x20x32 24x24x32 32x32x32 40x40x32 48x48x32 64x64x24 256x256x32 " ] ||
    fail "the program file's icon holds $sizes"
echo "kelvastro.exe icon: $sizes"
[ "$(unzip -Z1 "$portable")" = "kelvastro.exe" ] || fail "the portable zip holds more than the program"
echo "portable zip: $(stat -c %s "$portable") bytes, kelvastro.exe alone"

wine_display
wine_start "$build/install-logs"
drive=$WINEPREFIX/drive_c
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvastro'
listing() { (cd "$drive" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
registry() { "$WINE" reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"; }

# Starts the installed program and closes it by its close box.
starts() {
    "$WINE" "$1" >"$build/install-logs/run.log" 2>&1 &
    local pid=$! window
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kelvastro ' | head -1) || true
    [ -n "$window" ] || { kill $pid 2>/dev/null; fail "the installed program mapped no window"; }
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 2>/dev/null || true
    for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && fail "the program did not end on its close box"
    echo "started from $2 and ended by its close box"
}

check_mode() {
    local mode=$1 root=$2 folder=$3
    local before after
    before=$(listing)
    "$WINE" "$setup" /S "/$mode" >"$build/install-logs/setup-$mode.log" 2>&1
    local installed
    installed=$(find "$drive" -ipath "*/$folder/Kelvastro/kelvastro.exe" | head -1)
    [ -n "$installed" ] || fail "$mode: no kelvastro.exe under $folder"
    find "$drive" -name 'Kelvastro.lnk' | grep -q "Start Menu" || fail "$mode: no Start-menu entry"
    [ "$(registry "$root" DisplayVersion)" = "1.0.0" ] || fail "$mode: no Apps & features entry with the version"
    echo "$mode: installed to ${installed#"$drive"/}, Start-menu entry and Apps & features entry 1.0.0"
    # What Apps & features shows beside the name: the program's icon, the maker, the size, the site.
    local icon publisher estimated site
    icon=$(registry "$root" DisplayIcon)
    publisher=$(registry "$root" Publisher)
    estimated=$(registry "$root" EstimatedSize)
    site=$(registry "$root" URLInfoAbout)
    [ "$(basename "${icon//\\//}")" = "kelvastro.exe,0" ] || fail "$mode: DisplayIcon is '$icon'"
    [ "$publisher" = "The Kelvastro developers" ] || fail "$mode: Publisher is '$publisher'"
    [ $((estimated)) -ge $((size / 1024)) ] || fail "$mode: EstimatedSize $estimated KB for $size bytes"
    [ "$site" = "https://kelvastro.github.io/" ] && [ "$(registry "$root" HelpLink)" = "$site" ] ||
        fail "$mode: URLInfoAbout is '$site'"
    strings -el "$(find "$drive" -name 'Kelvastro.lnk' | head -1)" | grep -qi 'kelvastro\.exe$' ||
        fail "$mode: the Start-menu entry does not take its icon from kelvastro.exe"
    echo "$mode: Apps & features: icon $icon, publisher '$publisher', $((estimated)) KB, $site"
    starts "$installed" "${installed#"$drive"/}"

    local uninstaller=${installed%/*}/uninstall.exe
    "$WINE" "$uninstaller" /S "/$mode" >"$build/install-logs/uninstall-$mode.log" 2>&1
    # The uninstaller runs from a copy of itself, so it is waited for by its results.
    for _ in $(seq 300); do [ -e "$installed" ] || [ -e "${installed%/*}" ] || break; sleep 0.2; done
    sleep 1
    [ -z "$(registry "$root" DisplayName)" ] || fail "$mode: the Apps & features entry is still there"
    after=$(listing)
    if [ "$before" != "$after" ]; then
        diff <(echo "$before") <(echo "$after") || true
        fail "$mode: the uninstaller left files behind"
    fi
    echo "$mode: uninstalled; every file and the registry entry it added are gone"
}

check_mode CurrentUser HKCU "AppData/Local/Programs"
check_mode AllUsers HKLM "Program Files"
echo "Windows setup installed, started and uninstalled in both modes"
