#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for the given
# number of seconds (60 if none is given), then prints its runs, libFuzzer's
# coverage (cov: edges, ft: features) and its result. An input that breaks a
# target is written to build/fuzz/artifacts/<target>/; once the fault is
# mended, keep it in tests/fuzz/regressions/<target>/, which the normal test
# run replays.
# Usage: scripts/fuzz.sh [seconds per target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${LUNEA_JOBS:-$(nproc)}" >build/fuzz-build.log 2>&1 ||
    { cat build/fuzz-build.log; exit 1; }

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

failed=0
for target in "${targets[@]}"; do
    work=build/fuzz/corpus/$target
    artifacts=build/fuzz/artifacts/$target
    log=build/fuzz/$target.log
    mkdir -p "$work" "$artifacts"
    # New inputs go into the first folder: the seeds in the tree stay as they are.
    inputs=("$work" "tests/fuzz/corpus/$target")
    [ -d "tests/fuzz/regressions/$target" ] && inputs+=("tests/fuzz/regressions/$target")
    result=passed
    "build/fuzz/bin/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "${inputs[@]}" >"$log" 2>&1 || result=FAILED
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    status=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
    printf '%-22s %12s runs  cov %-6s ft %-6s %s\n' "$target" "${runs:-?}" "${cov:-?}" \
        "${ft:-?}" "$result"
    if [ "$result" != passed ]; then
        failed=1
        grep -E 'property broken|ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -8
        echo "  whole output: $log"
    fi
done
exit $failed
