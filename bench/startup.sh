#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (exec to main window mapped) and resident memory after start
# of the calculator against a bare Qt window with the same controls, measured
# alternately in one run under Xvfb. Prints medians and ratios.
# Usage: bench/startup.sh BUILD_DIR [RUNS]   (BUILD_DIR configured with -DKELVASTRO_BENCH=ON)
set -euo pipefail
build=$(realpath "${1:?build directory}")
runs=${2:-15}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for ((i = 0; i < runs; i++)); do
    "$build/bench/map_wait" "$build/app/kelvastro" >> "$tmp/kelvastro"
    "$build/bench/map_wait" "$build/bench/bare_window" >> "$tmp/bare"
done

k_ms=$(cut -d' ' -f1 "$tmp/kelvastro" | median)
b_ms=$(cut -d' ' -f1 "$tmp/bare" | median)
k_kib=$(cut -d' ' -f2 "$tmp/kelvastro" | median)
b_kib=$(cut -d' ' -f2 "$tmp/bare" | median)
echo "runs: $runs each, alternating"
echo "start-up to mapped, median: kelvastro ${k_ms} ms, bare window ${b_ms} ms, ratio $(awk -v a="$k_ms" -v b="$b_ms" 'BEGIN { printf "%.3f", a / b }')"
echo "resident memory, median:   kelvastro ${k_kib} KiB, bare window ${b_kib} KiB, ratio $(awk -v a="$k_kib" -v b="$b_kib" 'BEGIN { printf "%.3f", a / b }')"
