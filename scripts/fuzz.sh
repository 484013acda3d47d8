#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and runs each for a bounded time, starting
# from the corpus kept in the repository. Any finding fails the run.
# Usage: scripts/fuzz.sh [SECONDS_EACH]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages cmake ninja-build clang libclang-rt-14-dev

seconds=${1:-60}
build=${BUILD_DIR:-build-fuzz}
CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVASTRO_FUZZ=ON \
    -DKELVASTRO_GUI=OFF -DBUILD_TESTING=OFF -DKELVASTRO_WERROR=ON
cmake --build "$build"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fieldvalue tradesheet; do
    # New inputs go to a scratch folder; the repository's corpus is only read.
    mkdir -p "$work/$target"
    echo "== ${target}_fuzz for ${seconds}s, corpus of $(ls tests/fuzz/corpus/$target | wc -l) inputs"
    set +e
    "$build/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
        -artifact_prefix="$work/" "$work/$target" "tests/fuzz/corpus/$target" > "$work/$target.log" 2>&1
    status=$?
    set -e
    grep -E 'stat::number_of_executed_units|stat::peak_rss|^Done|ERROR|check failed|SUMMARY|INITED' "$work/$target.log"
    if [ "$status" -ne 0 ]; then
        tail -40 "$work/$target.log"
        echo "${target}_fuzz found a problem; the input is in $work:"
        ls "$work"
        for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do [ -f "$f" ] && od -A x -t x1z "$f" | head -20; done
        exit 1
    fi
    echo "corpus after the run: $(ls "$work/$target" | wc -l) new inputs"
done
