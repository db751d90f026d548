#!/usr/bin/env bash
# Sets everything up, runs the whole test suite through CTest, then the fuzz targets and the
# test suite once more under AddressSanitizer and UndefinedBehaviorSanitizer. Every stage runs
# even when an earlier one fails; the closing line says which failed.
# BRIMZEL_SKIP_FUZZ=1 or BRIMZEL_SKIP_SANITIZE=1 leave a stage out on a developer's machine.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_BUILD:-$here/build}"
export BRIMZEL_BUILD="$build"
bash "$here/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy

failed=()
# stage NAME COMMAND...: runs one stage, notes a failure and prints its wall time.
stage() {
    local name="$1"
    shift
    local start=$SECONDS
    if ! "$@"; then
        failed+=("$name")
    fi
    echo "stage $name $((SECONDS - start)) s"
}

stage tests ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900
if [ "${BRIMZEL_SKIP_FUZZ:-0}" != 1 ]; then
    stage fuzzing bash "$here/scripts/fuzz.sh"
fi
if [ "${BRIMZEL_SKIP_SANITIZE:-0}" != 1 ]; then
    stage sanitizers bash "$here/scripts/sanitize.sh"
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "Brimzel tests: FAILED (${failed[*]})"
    exit 1
fi
echo "Brimzel tests: all stages passed"
