#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation testing: builds the Linux and the Windows unit tests once, starts
# Wine, then has scripts/mutants.py inject each fault in turn and run the
# tests of the legs it touches. Not part of CI: a full run takes an hour.
# Usage: scripts/mutants.sh [mutant ids]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" "${kelvastro_test_packages[@]}"
linux=${LINUX_BUILD:-build-mutants}
wine=${WINE_BUILD:-build-mutants-wine}
cmake -S . -B "$linux" -G Ninja -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux" >/dev/null
cmake -S . -B "$wine" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS=-Wno-restrict -DBUILD_TESTING=ON >/dev/null
source scripts/wine-env.sh
wine_display
wine_start "$wine"
cmake --build "$wine" >/dev/null
python3 scripts/mutants.py "$linux" "$wine" "$@"
