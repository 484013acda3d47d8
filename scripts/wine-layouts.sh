#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program typed into from keyboard layouts that type their own
# digits (Persian, Arabic, Hindi), each in its locale, under Wine on its own
# X server: the layout is the X server's, and Wine takes it at each start.
# Usage: scripts/wine-layouts.sh WINDOWS_BUILD_DIR (built with its tests)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
source scripts/packages.sh
ensure_packages python3 x11-xkb-utils xdotool
source scripts/wine-env.sh
unset DISPLAY
wine_display
wine_start "$build/layouts"
python3 tests/windows/layouts_wine.py "$build/app/kelvastro.exe" "$build/tests/msaa_probe.exe"
