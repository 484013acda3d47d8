#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program on desktops unlike the test machine's, under Wine: a
# High Contrast Black scheme, and 120, 144 and 192 DPI on small screens. Each
# gets its own X server at its screen size and a prefix set up for it; the
# desktop tests and the Tips window's click rows run on each.
# Usage: scripts/wine-desktops.sh WINDOWS_BUILD_DIR (built with its tests)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
source scripts/wine-env.sh

# desktop NAME SCREEN DPI [high-contrast]
desktop() {
    local name=$1 screen=$2 dpi=$3 scheme=${4:-}
    echo "== $name: ${screen}, ${dpi} DPI${scheme:+, $scheme}"
    export DISPLAY=:$((300 + RANDOM % 100))
    Xvfb "$DISPLAY" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    local wm=$!
    sleep 1
    local status=0
    (
        wine_start "$build/desktops-$name"
        wine_dpi "$dpi"
        [ -z "$scheme" ] || wine_high_contrast_black
        wine_restart
        cmake/wine-run.sh "$build/tests/win32_desktop_tests.exe"
        cmake/wine-run.sh "$build/tests/conformance_win32.exe" --gtest_filter='Tips.*'
    ) || status=$?
    kill "$wm" "$xvfb" 2>/dev/null || true
    return $status
}

desktop high-contrast-black 1024x768 96 high-contrast
desktop dpi120-1024x600 1024x600 120
desktop dpi144-1366x768 1366x768 144
desktop dpi192-1366x768 1366x768 192
