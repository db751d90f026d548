#!/usr/bin/env bash
# Installs what Brimzel needs from Debian's archive (only what is missing), configures, builds
# and lays out the installation tree. Safe to run again; works from any folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_BUILD:-$here/build}"
prefix="${BRIMZEL_PREFIX:-$HOME/Brimzel}"

source "$here/scripts/packages.sh"
install_brimzel_packages

cmake -S "$here" -B "$build" -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build"
