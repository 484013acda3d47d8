#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two builds of this commit, in different folders, time zones, locales and
# umasks and at different times, must give the same files: the Windows
# program, its setup and its portable zip, and the Debian package. Prints
# the checksums and writes SHA256SUMS beside the Windows artifacts of the
# first build (build-reproducible/windows). SOURCE_DATE_EPOCH is the last
# commit's time unless set.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis zip \
    icoutils dpkg-dev debhelper git tzdata
fail() { echo "FAIL: $*"; exit 1; }

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
version=$(sed -n 's/^project(Kelvastro VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
out=$(realpath -m "${OUT_DIR:-build-reproducible}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# copy FOLDER: what git tracks or would track, without any build directory.
copy() {
    mkdir -p "$1"
    git ls-files -z --cached --others --exclude-standard |
        tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$1"
}

# build NAME FOLDER TZ UMASK: the Windows artifacts and the Debian package, in FOLDER.
build() {
    local name=$1 src=$2 zone=$3 mask=$4
    copy "$src"
    (
        cd "$src"
        umask "$mask"
        export TZ=$zone LC_ALL=C.UTF-8
        cmake -S . -B windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-Wno-restrict -DBUILD_TESTING=OFF >/dev/null
        cmake --build windows --target windows_packages >/dev/null
        # The tests do not change what is built, and the package test runs them.
        DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -b >/dev/null 2>&1
    ) >"$work/$name.log" 2>&1 || { tail -40 "$work/$name.log"; fail "build $name"; }
    mkdir -p "$work/$name"
    cp "$src/windows/app/kelvastro.exe" "$src"/windows/kelvastro-"$version"-{setup.exe,portable.zip} "$work/$name/"
    cp "$(dirname "$src")"/kelvastro_"$version"_*.deb "$work/$name/"
}

echo "== two builds at SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M UTC'))"
build first "$work/a/kelvastro-$version" UTC 022
sleep 2 # a later wall-clock second than the first build's
build second "$work/a-much-longer/folder/name/kelvastro-$version" Pacific/Kiritimati 077

status=0
(cd "$work/first" && sha256sum -- *) >"$work/SHA256SUMS"
cat "$work/SHA256SUMS"
for file in "$work"/first/*; do
    name=$(basename "$file")
    if cmp -s "$file" "$work/second/$name"; then
        echo "identical: $name"
    else
        echo "DIFFERENT: $name ($(cmp -l "$file" "$work/second/$name" | wc -l) bytes)"
        status=1
    fi
done
mkdir -p "$out/windows"
cp "$work"/first/kelvastro.exe "$work"/first/kelvastro-"$version"-* "$out/windows/"
# Named, not globbed: the list must not hold itself, nor what an earlier run left.
(cd "$out/windows" && sha256sum -- kelvastro.exe kelvastro-"$version"-setup.exe kelvastro-"$version"-portable.zip) \
    >"$out/windows/SHA256SUMS.new"
mv "$out/windows/SHA256SUMS.new" "$out/windows/SHA256SUMS"
cp "$work"/first/*.deb "$out/"
echo "artifacts and SHA256SUMS in $out/windows"
[ "$status" -eq 0 ] || fail "the two builds differ"
echo "both builds identical"
