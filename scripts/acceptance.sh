#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and runs the acceptance tests against the real binary:
# an X server, a window manager (without one, modal boxes get no keyboard
# focus), a session bus and the accessibility bus, all started here.
# Usage: scripts/acceptance.sh [unittest test names]
# KELVASTRO_PROGRAM names a program already built; else one is built here.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${kelvastro_acceptance_packages[@]}"

ensure_program

if [ -z "${KELVASTRO_IN_SESSION:-}" ]; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
    DISPLAY=$display KELVASTRO_IN_SESSION=1 dbus-run-session -- "$0" "$@"
    exit $?
fi

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
sleep 1
/usr/bin/python3 tests/acceptance/calculator_acceptance.py "$KELVASTRO_PROGRAM" "$@"
