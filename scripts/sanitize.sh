#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# the whole test suite there. Any memory error, leak or undefined behaviour fails its test.
# The pictures, sounds, levels and tables come from the normal build (BRIMZEL_BUILD, build/)
# when it has made them: they are the same whatever the programs are built with.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_ASAN_BUILD:-$here/build-asan}"
normal="${BRIMZEL_BUILD:-$here/build}"
jobs="${BRIMZEL_JOBS:-$(nproc)}"

# Set before the build too: without a normal build the content generator runs under the
# sanitizers while building.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
export ASAN_OPTIONS="strict_string_checks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

content_from=""
[ -f "$normal/content.stamp" ] && content_from="$(cd "$normal" && pwd)"
cmake -S "$here" -B "$build" -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ \
    -DBRIMZEL_SANITIZE=ON -DBRIMZEL_BENCH=OFF -DBRIMZEL_CONTENT_FROM="$content_from" >/dev/null
cmake --build "$build" --parallel "$jobs"

echo "Sanitizer suite:"
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" --timeout 1800
