#!/usr/bin/env bash
# Builds the Debian package brimzel_<version>_<arch>.deb from a clean build in
# build-package/ and checks it: desktop-file-validate and appstreamcli on the launchers and
# the AppStream entry, lintian on the package (no errors allowed; warnings are printed).
# Installs the tools it needs. Works from any folder; the package lands in the source folder
# (BRIMZEL_PACKAGE_DIR for another place).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BRIMZEL_PACKAGE_BUILD:-$here/build-package}"
out="${BRIMZEL_PACKAGE_DIR:-$here}"

source "$here/scripts/packages.sh"
install_missing_packages "${brimzel_packages[@]}" dpkg-dev lintian desktop-file-utils appstream file

# A clean build with Debian's hardening flags.
rm -rf "$build"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build "$build" --parallel "$(nproc)" \
    --target Brimzel Brimzel-Leveleditor Brimzel-Options brimzel-replay content

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
arch="$(dpkg --print-architecture)"
stage="$build/package"
cmake -DBRIMZEL_TREE="$build/tree" -DBRIMZEL_SOURCE="$here" -DPREFIX="$stage/usr" \
    -P "$here/cmake/StageSystemLayout.cmake"
for program in "$stage"/usr/games/*; do
    strip --strip-unneeded --remove-section=.comment --remove-section=.note "$program"
done

# Depends: what the programs link, plus what they load at run time (fonts through fontconfig,
# Qt's platform plugins).
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/debian"
printf 'Source: brimzel\n\nPackage: brimzel\nArchitecture: any\n' >"$scratch/debian/control"
shlibs="$(cd "$scratch" && dpkg-shlibdeps -O "$stage"/usr/games/* | sed -n 's/^shlibs:Depends=//p')"
mkdir -p "$stage/DEBIAN"
cat >"$stage/DEBIAN/control" <<CONTROL
Package: brimzel
Version: $version
Architecture: $arch
Maintainer: Brimzel developers <brimzel@example.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)
Depends: $shlibs, fonts-liberation2, fonts-dejavu-core, fonts-urw-base35, qt6-qpa-plugins
Section: games
Priority: optional
Description: arcade game: steer a fly over painted maps and collect bubbles
 Brimzel is a 2D arcade game. You steer a fly with the arrow keys over painted
 maps, collect bubbles one at a time, pick up health bubbles, keep clear of
 each map's gravitation point and of wasps, gnats, dragonflies and hornets, and
 race the clock. It has a sixteen-level scenario that begins with a tutorial,
 bubble match and time attack, high-score tables with name entry, and speaks
 Czech and English.
 .
 It comes with a level editor (brimzel-leveleditor) for up to sixteen levels
 of your own, an options editor (brimzel-options) and brimzel-replay, which
 replays a scripted run headless, frame for frame.
CONTROL
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
deb="$out/brimzel_${version}_${arch}.deb"
dpkg-deb --root-owner-group --build "$stage" "$deb"

for entry in "$stage"/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry"
done
# Exit code 3 means warnings only (the id is not reverse-DNS: Brimzel has no domain of its own).
status=0
appstreamcli validate --no-net "$stage/usr/share/metainfo/brimzel.metainfo.xml" || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 3 ]
lintian --fail-on error --info "$deb"
echo "Package: $deb"
