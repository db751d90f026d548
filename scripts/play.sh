#!/usr/bin/env bash
# Sets everything up, then starts the game from its installation tree.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${BRIMZEL_PREFIX:-$HOME/Brimzel}"
BRIMZEL_PREFIX="$prefix" bash "$here/scripts/setup.sh"
if [ -x "$prefix/bin/Brimzel" ]; then
    exec "$prefix/bin/Brimzel"
fi
echo "Brimzel is built and installed in $prefix; the game program itself is not there yet."
