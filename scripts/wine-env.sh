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
    # A window manager on this display, whatever runs on others.
    if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
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

# Windows' High Contrast Black, as HKCU\Control Panel\Colors holds it. Wine
# answers SPI_GETHIGHCONTRAST with "off" whatever the registry says, so the
# program knows the scheme by its colours.
wine_high_contrast_black() {
    local colours=(
        ActiveBorder "0 0 0" ActiveTitle "0 0 0" AppWorkspace "0 0 0" Background "0 0 0"
        ButtonAlternateFace "0 0 0" ButtonDkShadow "255 255 255" ButtonFace "0 0 0" ButtonHilight "255 255 255"
        ButtonLight "255 255 255" ButtonShadow "255 255 255" ButtonText "255 255 255" GradientActiveTitle "0 0 0"
        GradientInactiveTitle "0 0 0" GrayText "63 242 63" Hilight "26 235 255" HilightText "0 0 0"
        HotTrackingColor "255 255 0" InactiveBorder "0 0 0" InactiveTitle "0 0 0" InactiveTitleText "255 255 255"
        InfoText "255 255 255" InfoWindow "0 0 0" Menu "0 0 0" MenuBar "0 0 0" MenuHilight "26 235 255"
        MenuText "255 255 255" Scrollbar "0 0 0" TitleText "255 255 255" Window "0 0 0" WindowFrame "255 255 255"
        WindowText "255 255 255"
    )
    set -- "${colours[@]}"
    while [ $# -gt 0 ]; do
        "$WINE" reg add 'HKCU\Control Panel\Colors' /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1
        shift 2
    done
}

# wine_dpi DPI: the desktop's dots per inch, which Wine 8 takes from here.
wine_dpi() {
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# A new server reads the registry again.
wine_restart() {
    "$WINESERVER" -k
    "$WINESERVER" -w
    "$WINESERVER" -p
}
