#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it as a desktop would see it: the menu
# entry and metadata validate, the package installs, the installed program
# maps its main window, and the package removes cleanly. Also compiles the
# Windows version resource, so that a broken one is caught here.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_build_packages[@]}" desktop-file-utils appstream dpkg-dev file \
    xvfb xauth xdotool binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64-posix

build=${BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKELVASTRO_WERROR=ON \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build"

desktop-file-validate app/io.github.kelvastro.Kelvastro.desktop
appstreamcli validate --no-net "$build/app/io.github.kelvastro.Kelvastro.metainfo.xml"
x86_64-w64-mingw32-windres "$build/app/kelvastro.rc" -O coff -o "$build/kelvastro.res"
echo "Windows resource compiled: $(file -b "$build/kelvastro.res")"

(cd "$build" && rm -f kelvastro_*.deb && cpack -G DEB)
deb=$(ls "$build"/kelvastro_*.deb)
dpkg-deb -I "$deb" | sed -n '/Package:/,/Description:/p'

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "$(realpath "$deb")"
trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -q kelvastro >/dev/null' EXIT
test -f /usr/share/applications/io.github.kelvastro.Kelvastro.desktop
test -f /usr/share/icons/hicolor/64x64/apps/io.github.kelvastro.Kelvastro.png

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    /usr/bin/kelvastro & pid=$!
    if timeout 30 xdotool search --sync --onlyvisible --name "^Kelvastro" >/dev/null; then
        echo "installed program mapped its main window"; status=0
    else
        echo "installed program did not map its main window"; status=1
    fi
    kill $pid; wait $pid 2>/dev/null || true
    exit $status'
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -q kelvastro >/dev/null
trap - EXIT
# Written out, because a negated command never stops a script under set -e.
if dpkg-query -W -f='${Status}' kelvastro 2>/dev/null | grep -q "install ok installed"; then
    echo "package kelvastro is still installed after its removal"
    exit 1
fi
echo "package installed, started and removed"
