#!/usr/bin/env bash
# Builds the calendar and starts it under Wine. Without a display it starts
# a private one, saves a screenshot of the window and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target LuneaCalendar

program=build/windows/bin/LuneaCalendar.exe
if [ -n "${DISPLAY:-}" ]; then
    source scripts/wine-env.sh
    wineserver -p </dev/null >/dev/null 2>&1 || true
    exec wine "$program"
fi

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session
wine "$program" </dev/null >/dev/null 2>&1 &
sleep "${LUNEA_SCREENSHOT_DELAY:-4}"
screenshot="$PWD/build/screenshot.png"
import -window root "$screenshot"
echo "The calendar ran on a private display; its screenshot is $screenshot"
