#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A typed character into Buying Price against its floor (nine bare EDITs, the
# results that change written) and a bare EDIT control, under Wine in a throwaway
# prefix.
# Usage: bench/keystroke-wine.sh WINDOWS_BUILD_DIR [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
rounds=${2:-15}
source scripts/wine-env.sh
wine_display
wine_start "$build"
"$WINE" "$build/bench/keystroke_bench_win32.exe" "$rounds" 2>/dev/null | tr -d '\r'
