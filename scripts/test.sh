#!/usr/bin/env bash
# Checks the format, builds everything and runs every test: the native core
# under sanitizers (with the fuzz targets' saved inputs replayed), each fuzz
# target for a while, then the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

# The tree is in clang-format 14's format: a difference fails the run and
# names the file.
git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
# No folder includes a folder above its own layer.
bash scripts/check-layers.sh

jobs=$(nproc)
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

# About 20 s a target: enough to catch what a change broke, short for CI.
LUNEA_JOBS=$jobs bash scripts/fuzz.sh "${LUNEA_FUZZ_SECONDS:-20}"

# The deliverables are always built; the tests run where Wine can run them.
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
source scripts/windows-flavour.sh
if [ "$lunea_windows_preset" != windows ]; then
    cmake --preset "$lunea_windows_preset" >/dev/null
    cmake --build --preset "$lunea_windows_preset" -j "$jobs"
fi

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session
ctest --preset "$lunea_windows_preset"
