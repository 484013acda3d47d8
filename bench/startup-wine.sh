#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the Windows program under Wine, with a warm wineserver, from
# launch to the main window mapped, against a bare Win32 window with the same
# controls, measured alternately in one run under Xvfb with a window manager.
# Usage: bench/startup-wine.sh WINDOWS_BUILD LINUX_BENCH_BUILD [RUNS]
#   WINDOWS_BUILD: the mingw-w64 build configured with -DKELVASTRO_BENCH=ON
#   LINUX_BENCH_BUILD: a Linux build with -DKELVASTRO_BENCH=ON, for bench/map_wait
# KELVASTRO_ALSO names other builds of kelvastro.exe to measure beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
windows=$(realpath "${1:?Windows build directory}")
linux=$(realpath "${2:?Linux bench build directory}")
runs=${3:-15}
source scripts/wine-env.sh
wine_display
wine_start "$windows/startup-logs"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
tmp=$(mktemp -d)
run() { "$linux/bench/map_wait" "$WINE" "$1" 2>>"$windows/startup-logs/map_wait.log" | cut -d' ' -f1; }
names=(kelvastro.exe bare)
paths=("$windows/app/kelvastro.exe" "$windows/bench/bare_window_win32.exe")
for also in ${KELVASTRO_ALSO:-}; do
    names+=("$also")
    paths+=("$(realpath "$also")")
done
# Once each before measuring: the first start of a program in a prefix loads its DLLs from disk.
for path in "${paths[@]}"; do run "$path" >/dev/null; done
for ((i = 0; i < runs; i++)); do
    for k in "${!paths[@]}"; do run "${paths[$k]}" >>"$tmp/$k"; done
done
b=$(median <"$tmp/1")
echo "runs: $runs each, alternating, warm wineserver"
echo "bare Win32 window: start-up to mapped under Wine $b ms (median)"
for k in "${!paths[@]}"; do
    [ "$k" = 1 ] && continue
    ms=$(median <"$tmp/$k")
    echo "${names[$k]}: start-up $ms ms, ratio $(ratio "$ms" "$b")"
done
rm -rf "$tmp"
