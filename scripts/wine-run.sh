#!/usr/bin/env bash
# The cross-compiling emulator: runs one Windows program under the pinned Wine.
source "$(dirname "$0")/wine-env.sh"
exec "$lunea_wine" "$@"
