#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time (exec to main window mapped) and resident memory after start
# of the calculator against a bare Qt window with the same controls, measured
# alternately in one run on a desktop as users have it: Xvfb, the openbox
# window manager, a session bus and the accessibility bus. Prints medians and
# ratios. KELVASTRO_ALSO names other builds of the program to measure beside
# them (the ones before a change, say), separated by blanks.
# Usage: bench/startup.sh BUILD_DIR [RUNS]   (BUILD_DIR configured with -DKELVASTRO_BENCH=ON)
set -euo pipefail
build=$(realpath "${1:?build directory}")
runs=${2:-15}

if [ -z "${KELVASTRO_IN_SESSION:-}" ]; then
    KELVASTRO_IN_SESSION=1 exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep 1

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

tmp=$(mktemp -d)
names=(kelvastro bare)
paths=("$build/app/kelvastro" "$build/bench/bare_window")
for also in ${KELVASTRO_ALSO:-}; do
    names+=("$also")
    paths+=("$(realpath "$also")")
done
# Once each first: the first start reads the libraries and fonts from disk.
for path in "${paths[@]}"; do "$build/bench/map_wait" "$path" >/dev/null 2>&1; done
for ((i = 0; i < runs; i++)); do
    for k in "${!paths[@]}"; do "$build/bench/map_wait" "${paths[$k]}" >> "$tmp/$k" 2>/dev/null; done
done

echo "runs: $runs each, alternating"
b_ms=$(cut -d' ' -f1 "$tmp/1" | median)
b_kib=$(cut -d' ' -f2 "$tmp/1" | median)
echo "bare window: start-up to mapped ${b_ms} ms, resident ${b_kib} KiB (medians)"
for k in "${!paths[@]}"; do
    [ "$k" = 1 ] && continue
    ms=$(cut -d' ' -f1 "$tmp/$k" | median)
    kib=$(cut -d' ' -f2 "$tmp/$k" | median)
    echo "${names[$k]}: start-up ${ms} ms, ratio $(ratio "$ms" "$b_ms"); resident ${kib} KiB, ratio $(ratio "$kib" "$b_kib")"
done
