# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the other scripts: installs the Debian packages that are missing,
# and nothing when all are there, so a second run starts at once.

kelvastro_build_packages=(cmake ninja-build g++ qt6-base-dev libfontconfig-dev librsvg2-bin fonts-liberation fonts-texgyre)
# unicode-data: the digit tests check the reader against Unicode's own table.
kelvastro_test_packages=(libgtest-dev libgmock-dev unicode-data)
# The real program under an X server and window manager, read through the accessibility bus.
kelvastro_acceptance_packages=(xvfb xauth xdotool x11-xkb-utils xclip x11-utils openbox dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    imagemagick)
# The same program as a native Wayland client of a headless compositor.
kelvastro_wayland_packages=(sway wtype qt6-wayland wl-clipboard dbus python3)

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if [ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" != "install ok installed" ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# The program the acceptance tests run: KELVASTRO_PROGRAM when it names one
# already built, else a build of this tree in BUILD_DIR (build-acceptance).
ensure_program() {
    [ -n "${KELVASTRO_PROGRAM:-}" ] && return 0
    ensure_packages "${kelvastro_build_packages[@]}"
    local build=${BUILD_DIR:-build-acceptance}
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DKELVASTRO_WERROR=ON
    cmake --build "$build"
    export KELVASTRO_PROGRAM=$build/app/kelvastro
}
