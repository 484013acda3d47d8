#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the README's pictures: each window under Xvfb with a window manager,
# at scale 1 and 2. Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${KELVASTRO_SCALE:-}" ]; then
    source scripts/packages.sh
    ensure_packages xvfb xauth xdotool openbox imagemagick x11-xserver-utils x11-utils
    [ -x "$build/app/kelvastro" ] || { echo "build the program first: $build/app/kelvastro is missing"; exit 1; }
    mkdir -p docs/screenshots
    for scale in 1 2; do
        # A screen just larger than the window, which the window manager centres.
        KELVASTRO_SCALE=$scale xvfb-run -a -s "-screen 0 $((760 * scale))x$((640 * scale))x24" "$0" "$build"
    done
    # Plasma's Breeze Dark, as Qt's KDE platform theme reads it from kdeglobals.
    KELVASTRO_SCALE=1 KELVASTRO_THEME=breeze-dark xvfb-run -a -s "-screen 0 760x640x24" "$0" "$build"
    ls -la docs/screenshots
    exit 0
fi

scale=$KELVASTRO_SCALE
suffix=$([ "$scale" = 2 ] && echo "@2x" || true)
if [ -n "${KELVASTRO_THEME:-}" ]; then
    suffix="-$KELVASTRO_THEME"
    export XDG_CONFIG_HOME="$PWD/tests/acceptance/desktops/$KELVASTRO_THEME" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
fi
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
xsetroot -solid '#4a5a6a'
QT_SCALE_FACTOR=$scale "$build/app/kelvastro" &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Kelvastro' | head -1)
sleep 1
origin() { xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'; }
click() { # x, y in the window's logical pixels
    read -r x y < <(origin)
    xdotool mousemove $((x + $1 * scale)) $((y + $2 * scale)) click 1
    sleep 0.8
}
shoot() { import -window root "docs/screenshots/$1$suffix.png"; }

xdotool type --delay 60 "10"; xdotool key Tab; xdotool type --delay 60 "5"
xdotool key Tab; xdotool type --delay 60 "12"; sleep 0.5
shoot calculator
click 27 8; click 40 51; shoot tips; xdotool key space; sleep 0.5
click 27 8; click 40 29; shoot about; xdotool key Escape; sleep 0.5
kill "$app" "$wm" 2>/dev/null || true
