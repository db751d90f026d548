#!/usr/bin/env bash
# Sets everything up, then runs the whole test suite through CTest.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_BUILD:-$here/build}"
bash "$here/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 900
