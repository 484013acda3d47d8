#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the registry lookup with the Windows cross compiler and runs its test
# under Wine against Wine's real registry, in a throwaway prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages g++-mingw-w64-x86-64-posix wine64

out=${BUILD_DIR:-build-wine}
mkdir -p "$out"
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -static -Wall -Wextra -Wpedantic -Werror -DNOMINMAX -DWIN32_LEAN_AND_MEAN \
    -Iplatform -Iplatform/testing -Iui/about \
    platform/win32registry.cpp platform/executablesearch.cpp ui/about/sysinfolauncher.cpp \
    tests/windows/registry_wine_test.cpp \
    -ladvapi32 -o "$out/registry_wine_test.exe"

prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null; WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w 2>/dev/null; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
/usr/lib/wine/wine64 "$out/registry_wine_test.exe"
