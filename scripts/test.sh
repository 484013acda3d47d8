#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything with warnings as errors and runs
# every test: the unit tests, then the acceptance tests against the program
# just built, on X11 and on Wayland. SANITIZE=1 builds with AddressSanitizer
# and UBSan instead and runs the unit tests only.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" "${kelvastro_test_packages[@]}" "${kelvastro_acceptance_packages[@]}" \
    "${kelvastro_wayland_packages[@]}"

sanitize=${SANITIZE:-0}
if [ "$sanitize" = 1 ]; then
    build=${BUILD_DIR:-build-sanitize}
    options=(-DCMAKE_BUILD_TYPE=Debug -DKELVASTRO_SANITIZE=ON)
else
    build=${BUILD_DIR:-build-test}
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi
cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=ON -DKELVASTRO_WERROR=ON "${options[@]}"
cmake --build "$build"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
if [ "$sanitize" != 1 ]; then
    env -u QT_QPA_PLATFORM KELVASTRO_PROGRAM="$build/app/kelvastro" bash scripts/acceptance.sh
    env -u QT_QPA_PLATFORM KELVASTRO_PROGRAM="$build/app/kelvastro" bash scripts/wayland-acceptance.sh
fi
