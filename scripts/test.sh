#!/usr/bin/env bash
# The test command. Sets everything up, then runs stages; every stage runs even when an earlier
# one fails, prints its wall and processor time, and the closing line names the stages that
# passed and those that failed.
#
#   bash scripts/test.sh                 set-up, the whole suite (short soak), short fuzzing
#   bash scripts/test.sh --heavy         the same, then the heavy stages CI runs
#   bash scripts/test.sh --stage NAME    set-up, then only the named stages (repeatable)
#
# Stages: tests      the whole test suite through CTest, the soak replay 20 000 frames long
#         fuzz       every file reader fuzzed 10 s (scripts/fuzz.sh)
#         sanitizers everything built with AddressSanitizer and UndefinedBehaviorSanitizer and
#                    the whole suite run there (scripts/sanitize.sh)
#         soak       the soak replay 200 000 frames long (`ctest -L soak`)
#         fuzz-long  every file reader fuzzed 60 s
#         debian     in a fresh Debian 13 root: this command, then the packages built there,
#                    installed into another fresh root, their autopkgtest, and removed
#                    (scripts/debian-check.sh readme trixie; needs root)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_BUILD:-$here/build}"
export BRIMZEL_BUILD="$build"
jobs="${BRIMZEL_JOBS:-$(nproc)}"
export BRIMZEL_JOBS="$jobs"

usage() {
    echo "usage: bash scripts/test.sh [--heavy | --stage tests|fuzz|sanitizers|soak|fuzz-long|debian ...]" >&2
    exit 2
}
stages=(tests fuzz)
chosen=()
while [ $# -gt 0 ]; do
    case "$1" in
    --heavy) stages=(tests fuzz soak fuzz-long sanitizers debian) ;;
    --stage)
        [ $# -ge 2 ] || usage
        case "$2" in tests | fuzz | sanitizers | soak | fuzz-long | debian) chosen+=("$2") ;; *) usage ;; esac
        shift
        ;;
    *) usage ;;
    esac
    shift
done
[ ${#chosen[@]} -eq 0 ] || stages=("${chosen[@]}")

run_stage() {
    case "$1" in
    tests) ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 900 ;;
    fuzz) BRIMZEL_FUZZ_SECONDS=10 bash "$here/scripts/fuzz.sh" ;;
    sanitizers) bash "$here/scripts/sanitize.sh" ;;
    soak) BRIMZEL_SOAK_FRAMES=200000 ctest --test-dir "$build" -L soak --verbose --timeout 3600 ;;
    fuzz-long) BRIMZEL_FUZZ_SECONDS=60 bash "$here/scripts/fuzz.sh" ;;
    debian) bash "$here/scripts/debian-check.sh" readme trixie ;;
    esac
}

# cpu_ms: processor time (user + system, in milliseconds) of every finished child of this shell
# so far. `times` runs here, not in a subshell, whose children would be only its own.
cpu_ms=0
read_cpu_ms() {
    local times_file
    times_file="$(mktemp)"
    times >"$times_file"
    cpu_ms="$(tail -n 1 "$times_file" | tr 'ms' '  ' |
        awk '{ printf "%d\n", ($1 * 60 + $2 + $3 * 60 + $4) * 1000 }')"
    rm -f "$times_file"
}

passed=()
failed=()
# Each stage's output is kept too, so the end of the run can repeat what a failed stage said last
# (a CI log is often read from its end).
logs="$(mktemp -d)"
trap 'rm -rf "$logs"' EXIT
# stage NAME COMMAND...: runs one stage, notes whether it passed and prints its times.
stage() {
    local name="$1"
    shift
    local start=$SECONDS cpu_start result=passed
    read_cpu_ms
    cpu_start=$cpu_ms
    echo "== stage $name"
    { "$@" 2>&1 || echo failed >"$logs/$name.failed"; } | tee "$logs/$name.log"
    [ ! -e "$logs/$name.failed" ] || result=failed
    if [ "$result" = passed ]; then passed+=("$name"); else failed+=("$name"); fi
    read_cpu_ms
    echo "stage $name: $result in $((SECONDS - start)) s wall," \
        "$(((cpu_ms - cpu_start) / 1000)) s processor (user + system)"
}

stage setup bash "$here/scripts/setup.sh"
if [ ${#failed[@]} -eq 0 ]; then
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
    # Each replay test copies the installation tree: in memory that costs a fifth less. Only
    # where there is room for several copies at once.
    if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] &&
        [ "$(df --output=avail -k /dev/shm 2>/dev/null | tail -n 1)" -gt 2000000 ] 2>/dev/null; then
        export TMPDIR=/dev/shm
    fi
    for name in "${stages[@]}"; do
        stage "$name" run_stage "$name"
    done
fi

if [ ${#failed[@]} -gt 0 ]; then
    for name in "${failed[@]}"; do
        echo "== the last lines of the failed stage $name"
        tail -n 40 "$logs/$name.log"
    done
    echo "Brimzel tests: FAILED ${failed[*]}; passed ${passed[*]:-nothing}"
    exit 1
fi
echo "Brimzel tests: all stages passed (${passed[*]})"
