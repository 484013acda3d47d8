#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's pictures of the Windows program: each window under
# Wine, on Xvfb with a window manager. Usage: scripts/screenshots-wine.sh BUILD_DIR
# (a Windows build with kelvastro.exe built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?Windows build directory}")
source scripts/packages.sh
ensure_packages wine64 fonts-wine xvfb xauth xdotool openbox imagemagick x11-xserver-utils x11-utils

if [ -z "${KELVASTRO_IN_DISPLAY:-}" ]; then
    KELVASTRO_IN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 760x640x24" "$0" "$@"
fi
source scripts/wine-env.sh
wine_display
xsetroot -solid '#4a5a6a'
wine_start "$build/screenshot-logs"
mkdir -p docs/screenshots
"$WINE" "$build/app/kelvastro.exe" >"$build/screenshot-logs/run.log" 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kelvastro ' | head -1)
sleep 1
shoot() { import -window root "docs/screenshots/$1-windows.png"; }
xdotool type --delay 80 "10"; xdotool key Tab; xdotool type --delay 80 "5"
xdotool key Tab; xdotool type --delay 80 "12"; sleep 0.5
shoot calculator
# The menu by keyboard: F10, then down into About's drop-down.
xdotool key F10 Down Down Return; sleep 1; shoot tips; xdotool key space; sleep 0.5
xdotool key F10 Down Return; sleep 1; shoot about; xdotool key Escape; sleep 0.5
xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || true
ls -la docs/screenshots/*-windows.png
