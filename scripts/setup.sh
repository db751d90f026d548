#!/usr/bin/env bash
# Installs what Brimzel needs from Debian's archive (only what is missing), configures, builds
# and lays out the installation tree. Safe to run again; works from any folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_BUILD:-$here/build}"
prefix="${BRIMZEL_PREFIX:-$HOME/Brimzel}"

packages=(build-essential cmake pkg-config clang libclang-rt-14-dev
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libvorbis-dev
    qt6-base-dev qt6-qpa-plugins libcairo2-dev libpango1.0-dev
    libgtest-dev googletest xvfb
    fonts-liberation2 fonts-dejavu-core fonts-urw-base35)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    echo "Installing: ${missing[*]}"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build"
