#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis of the program and its tests: clang-tidy with the checked-in
# .clang-tidy, and cppcheck. Either one's finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" "${kelvastro_test_packages[@]}" clang-tidy cppcheck

build=${BUILD_DIR:-build-analyse}
cmake -S . -B "$build" -G Ninja -DBUILD_TESTING=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
# The generated moc and resource sources must exist before they are analysed alongside.
cmake --build "$build"

src=$(pwd)
echo "== clang-tidy"
run-clang-tidy -quiet -p "$build" "$src/(calc|platform|ui|app|tests)/"
echo "== cppcheck"
filters=()
for dir in calc platform ui app tests; do filters+=(--file-filter="$src/$dir/*"); done
cppcheck --project="$(realpath "$build")/compile_commands.json" --library=qt --library=googletest \
    --enable=warning,performance,portability,style --inline-suppr \
    --suppress=missingIncludeSystem --suppress='*:*_autogen/*' --suppress='*:/usr/*' \
    "${filters[@]}" -j"$(nproc)" --quiet --error-exitcode=1
echo "static analysis clean"
