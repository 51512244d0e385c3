#!/usr/bin/env bash
# The 64-bit test build's emulator: one Windows program under 64-bit Wine.
export LUNEA_WINE_ARCH=win64
exec "$(dirname "$0")/wine-run.sh" "$@"
