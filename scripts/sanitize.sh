#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# the whole test suite there. Any memory error, leak or undefined behaviour fails its test.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_ASAN_BUILD:-$here/build-asan}"
jobs="${BRIMZEL_JOBS:-$(nproc)}"

# Set before the build too: the content generator runs under the sanitizers while building.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
export ASAN_OPTIONS="strict_string_checks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

cmake -S "$here" -B "$build" -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
    -DBRIMZEL_SANITIZE=ON >/dev/null
cmake --build "$build" --parallel "$jobs"

echo "Sanitizer suite:"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 1800
