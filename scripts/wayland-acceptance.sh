#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The acceptance rows for Wayland: the real program as a native client of a
# headless sway, typed into with wtype. sway will not run as root, so as
# root the compositor and the program run as an unprivileged user made for
# it; otherwise as the caller.
# KELVASTRO_PROGRAM names a program already built; else one is built here.
# Usage: scripts/wayland-acceptance.sh [unittest test names]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_wayland_packages[@]}"

ensure_program

work=$(mktemp -d)
sway_pid=
cleanup() {
    # The compositor, its bus and whatever the tests left, as one process group.
    [ -n "$sway_pid" ] && kill -- "-$sway_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The program and the tests where that user can read them.
cp "$KELVASTRO_PROGRAM" tests/acceptance/wayland_acceptance.py "$work/"
mkdir "$work/runtime"
chmod 755 "$work"
chmod 700 "$work/runtime"
printf 'output HEADLESS-1 resolution 1280x800\n' > "$work/sway.conf"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    user=kelvastro-wayland
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
    chown "$user" "$work/runtime"
    as_user=(runuser -u "$user" --)
fi

session=(env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8)
setsid "${as_user[@]}" "${session[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    dbus-run-session -- sway -c "$work/sway.conf" >"$work/runtime/sway.log" 2>&1 &
sway_pid=$!
for _ in $(seq 100); do
    ls "$work"/runtime/sway-ipc.*.sock >/dev/null 2>&1 && [ -S "$work/runtime/wayland-1" ] && break
    sleep 0.1
done
swaysock=$(ls "$work"/runtime/sway-ipc.*.sock)
"${as_user[@]}" "${session[@]}" WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$swaysock" \
    python3 "$work/wayland_acceptance.py" "$work/kelvastro" "$@"
