#!/usr/bin/env bash
# Builds the calendar and starts it under Wine. Without a display it starts
# a private one, saves a screenshot of the window and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

source scripts/windows-flavour.sh
cmake --preset "$lunea_windows_preset" >/dev/null
cmake --build --preset "$lunea_windows_preset" -j "$(nproc)" --target LuneaCalendar LuneaHelp

program=build/$lunea_windows_preset/bin/LuneaCalendar.exe
if [ -n "${DISPLAY:-}" ]; then
    source scripts/wine-env.sh
    wineserver -p </dev/null >/dev/null 2>&1 || true
    exec "$lunea_wine" "$program"
fi

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session
"$lunea_wine" "$program" </dev/null >/dev/null 2>&1 &
sleep "${LUNEA_SCREENSHOT_DELAY:-4}"
screenshot="$PWD/build/screenshot.png"
import -window root "$screenshot"
echo "The calendar ran on a private display; its screenshot is $screenshot"
