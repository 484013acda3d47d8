#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's pictures of the Windows program: each window under
# Wine, on Xvfb with a window manager, on the plain desktop, in High
# Contrast Black, and the calculator at 144 DPI on a 1366 x 768 screen.
# Usage: scripts/screenshots-wine.sh BUILD_DIR (a Windows build with kelvastro.exe built).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?Windows build directory}")
source scripts/packages.sh
ensure_packages wine64 fonts-wine xvfb xauth xdotool openbox imagemagick x11-xserver-utils x11-utils

if [ -z "${KELVASTRO_IN_DISPLAY:-}" ]; then
    KELVASTRO_IN_DISPLAY=1 xvfb-run -a -s "-screen 0 760x640x24" "$0" "$@"
    KELVASTRO_IN_DISPLAY=1 KELVASTRO_DESKTOP=high-contrast xvfb-run -a -s "-screen 0 760x640x24" "$0" "$@"
    KELVASTRO_IN_DISPLAY=1 KELVASTRO_DESKTOP=144dpi xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$@"
    ls -la docs/screenshots/*-windows*.png
    exit 0
fi
desktop=${KELVASTRO_DESKTOP:-}
suffix=${desktop:+-$desktop}
source scripts/wine-env.sh
wine_display
xsetroot -solid '#4a5a6a'
wine_start "$build/screenshot-logs"
case "$desktop" in
high-contrast) wine_high_contrast_black; wine_restart ;;
144dpi) wine_dpi 144; wine_restart ;;
esac
mkdir -p docs/screenshots
"$WINE" "$build/app/kelvastro.exe" >"$build/screenshot-logs/run.log" 2>&1 &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Kelvastro ' | head -1)
sleep 3
shoot() { import -window root "docs/screenshots/$1-windows$suffix.png"; }
xdotool type --delay 80 "10"; xdotool key Tab; xdotool type --delay 80 "5"
xdotool key Tab; xdotool type --delay 80 "12"; sleep 0.5
if [ "$desktop" = 144dpi ]; then
    # Tab on to Change in Price, the last field: the fields scroll to show it.
    xdotool key Tab; sleep 0.3; xdotool key Tab; sleep 0.5
    shoot calculator
else
    shoot calculator
    # The menu by keyboard: F10, then down into About's drop-down.
    xdotool key F10 Down Down Return; sleep 1; shoot tips; xdotool key space; sleep 0.5
    xdotool key F10 Down Return; sleep 1; shoot about; xdotool key Escape; sleep 0.5
fi
xdotool windowactivate --sync "$window" key alt+F4 2>/dev/null || true
