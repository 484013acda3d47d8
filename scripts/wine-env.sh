# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced: a throwaway Wine prefix for the Windows program and its tests.
# wine_start creates it, with Wine's own fonts where Windows has them (else
# MS Sans Serif and Tahoma silently become another face), starts a server
# that outlives each program, and removes it all on exit. Wine's output goes
# to files: its helper processes would keep a pipe open.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

wine_display_pids=()

wine_stop() {
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    [ -n "${WINEPREFIX:-}" ] && rm -rf "$WINEPREFIX"
    [ ${#wine_display_pids[@]} -eq 0 ] || kill "${wine_display_pids[@]}" 2>/dev/null || true
}

# An X server with a window manager, unless one is already there: without a
# window manager, Wine waits 2 s on every window it closes.
wine_display() {
    if [ -z "${DISPLAY:-}" ]; then
        export DISPLAY=:$((200 + RANDOM % 100))
        Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        wine_display_pids+=($!)
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
    fi
    if ! pgrep -x openbox >/dev/null; then
        openbox >/dev/null 2>&1 &
        wine_display_pids+=($!)
        sleep 1
    fi
}

# wine_start LOG_DIR
wine_start() {
    local logs=$1
    mkdir -p "$logs"
    export WINEPREFIX
    WINEPREFIX=$(mktemp -d)
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap wine_stop EXIT
    "$WINESERVER" -p
    "$WINE" wineboot -i >"$logs/wineboot.log" 2>&1
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}
