# Sourced: start_wine_session starts a private Xvfb display, the session's
# CUPS server with its PDF printer and a persistent Wine server (creating the
# prefix once); stop_wine_session ends them.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/print-server.sh"

lunea_xvfb_pid=""

start_wine_session() {
    local display
    for display in $(seq 91 120); do
        if [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; then
            continue
        fi
        Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
        lunea_xvfb_pid=$!
        export DISPLAY=":$display"
        break
    done
    [ -n "$lunea_xvfb_pid" ] || { echo "no free X display" >&2; return 1; }
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break
        sleep 0.1
    done

    # Before Wine starts: its processes find the printer through CUPS_SERVER.
    start_print_server || return 1

    # Detached from every pipe: Wine's service processes inherit the
    # descriptors of whoever starts them and would keep ctest waiting.
    mkdir -p "$WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1 || true # already running for this prefix
    if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        "$lunea_wine" wineboot -i </dev/null >/dev/null 2>&1
    fi
    # The caption buttons' glyphs come from Wine's Marlett font, which this
    # Wine finds only in the prefix.
    local marlett=/usr/share/wine/fonts/marlett.ttf
    if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
        cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
    # Also warms the server. No window manager runs on the private display:
    # windows Wine leaves to one wait two seconds for it whenever they hide.
    "$lunea_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
}

stop_wine_session() {
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    stop_print_server
    if [ -n "$lunea_xvfb_pid" ]; then
        kill "$lunea_xvfb_pid" 2>/dev/null || true
        wait "$lunea_xvfb_pid" 2>/dev/null || true
        lunea_xvfb_pid=""
    fi
}
