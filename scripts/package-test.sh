#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a distribution's maintainer checks it: built with
# dpkg-buildpackage from a clean copy of the sources, lintian --pedantic
# without an error or a warning, the menu entry and metadata valid; then
# installed without recommended packages, the installed program started and
# read through the accessibility bus (debian/tests/smoke), and the package
# purged with nothing of it left behind.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" "${kelvastro_test_packages[@]}" "${kelvastro_acceptance_packages[@]}" \
    dpkg-dev debhelper lintian desktop-file-utils appstream man-db
fail() { echo "FAIL: $*"; exit 1; }

version=$(sed -n 's/^project(Kelvastro VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt)
changelog=$(dpkg-parsechangelog -S Version)
[ "$version" = "$changelog" ] || fail "debian/changelog is at $changelog, the project at $version"

# A clean copy: what git tracks or would track, without any build directory.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
src=$work/kelvastro-$version
mkdir "$src"
git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$src"
(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 || {
    tail -60 "$work/build.log"
    fail "dpkg-buildpackage"
}
grep -E "tests passed|tests failed" "$work/build.log" || true
deb=$(ls "$work"/kelvastro_"$version"_*.deb)
changes=$(ls "$work"/kelvastro_"$version"_*.changes)
dpkg-deb -I "$deb" | sed -n '/ Package:/,/ Description:/p'

echo "== lintian --pedantic (every tag shown; an error or a warning fails)"
status=0
lintian --pedantic -I -E --fail-on error,warning "$changes" >"$work/lintian.txt" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian.txt" || echo "(no tags)"
[ "$status" -eq 0 ] || fail "lintian reports an error or a warning"

desktop-file-validate app/io.github.kelvastro.Kelvastro.desktop
dpkg-deb -x "$deb" "$work/contents"
appstreamcli validate --no-net "$work/contents/usr/share/metainfo/io.github.kelvastro.Kelvastro.metainfo.xml"
man --warnings -l "$work/contents/usr/share/man/man1/kelvastro.1.gz" 2>&1 >/dev/null | { ! grep .; } ||
    fail "the man page has warnings"

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=("sudo")
apt_get() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -y -q "$@"; }
apt_get install --no-install-recommends "$deb" >"$work/install.log"
trap 'apt_get purge kelvastro >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
paths=$(dpkg -L kelvastro)
# What fault a --no-install-recommends install would show: the plugin that
# makes the window a native one on Wayland, and the fonts the windows name.
for file in /usr/lib/*/qt6/plugins/platforms/libqxcb.so /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so \
    /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf; do
    [ -e "$file" ] || fail "installed without recommends, $file is missing"
done
bash debian/tests/smoke

apt_get purge kelvastro >/dev/null
trap 'rm -rf "$work"' EXIT
if dpkg-query -W -f='${Status}' kelvastro 2>/dev/null | grep -q "installed"; then
    fail "package kelvastro is still installed after its purge"
fi
left=()
while read -r path; do
    [ -d "$path" ] && continue # directories such as /usr/bin are shared with other packages
    [ -e "$path" ] && left+=("$path")
done <<<"$paths"
[ ${#left[@]} -eq 0 ] || fail "left after the purge: ${left[*]}"
stray=$(find /usr /etc /var/lib/dpkg/info -iname '*kelvastro*' 2>/dev/null || true)
[ -z "$stray" ] || fail "left after the purge: $stray"
echo "package built, lintian clean, installed without recommends, started, read and purged"
