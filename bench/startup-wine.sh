#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the Windows program under Wine, with a warm wineserver, from
# launch to the main window mapped, against a bare Win32 window with the same
# controls, measured alternately in one run under Xvfb with a window manager.
# Usage: bench/startup-wine.sh WINDOWS_BUILD LINUX_BENCH_BUILD [RUNS]
#   WINDOWS_BUILD: the mingw-w64 build configured with -DKELVASTRO_BENCH=ON
#   LINUX_BENCH_BUILD: a Linux build with -DKELVASTRO_BENCH=ON, for bench/map_wait
set -euo pipefail
cd "$(dirname "$0")/.."
windows=$(realpath "${1:?Windows build directory}")
linux=$(realpath "${2:?Linux bench build directory}")
runs=${3:-15}
source scripts/wine-env.sh
wine_display
wine_start "$windows/startup-logs"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
tmp=$(mktemp -d)
run() { "$linux/bench/map_wait" "$WINE" "$1" 2>>"$windows/startup-logs/map_wait.log" | cut -d' ' -f1; }
# Once each before measuring: the first start of a program in a prefix loads its DLLs from disk.
run "$windows/app/kelvastro.exe" >/dev/null
run "$windows/bench/bare_window_win32.exe" >/dev/null
for ((i = 0; i < runs; i++)); do
    run "$windows/app/kelvastro.exe" >>"$tmp/kelvastro"
    run "$windows/bench/bare_window_win32.exe" >>"$tmp/bare"
done
k=$(median <"$tmp/kelvastro")
b=$(median <"$tmp/bare")
rm -rf "$tmp"
echo "runs: $runs each, alternating, warm wineserver"
echo "start-up to mapped under Wine, median: kelvastro.exe $k ms, bare Win32 window $b ms, ratio $(awk -v a="$k" -v b="$b" 'BEGIN { printf "%.3f", a / b }')"
