#!/usr/bin/env bash
# Builds the Debian packages from the source package in debian/: copies the source tree
# (without build folders) into build-package/brimzel-<version>/ next to its upstream tarball
# brimzel_<version>.orig.tar.xz, installs the Build-Depends
# that are missing, runs dpkg-buildpackage there (source package, brimzel and brimzel-data;
# DEB_BUILD_OPTIONS=nocheck skips the test suite), and checks the result: lintian on the
# source and binary packages (no errors, no warnings), desktop-file-validate and appstreamcli
# on the launchers and the AppStream entry. Works from any folder; everything lands in
# build-package/ (BRIMZEL_PACKAGE_DIR for another place).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${BRIMZEL_PACKAGE_DIR:-$here/build-package}"

source "$here/scripts/packages.sh"
source "$here/scripts/debian-root.sh"
install_missing_packages dpkg-dev debhelper lintian desktop-file-utils appstream xz-utils

version="$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)"
mkdir -p "$out"
rm -f "$out"/brimzel*_"${version%-*}"*
source_dir="$(source_package "$here" "$out")"

if ! (cd "$source_dir" && dpkg-checkbuilddeps 2>/dev/null); then
    brimzel_sudo apt-get update
    brimzel_sudo env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends "$source_dir"
fi
# On every core unless DEB_BUILD_OPTIONS says otherwise.
case " ${DEB_BUILD_OPTIONS:-} " in *" parallel="*) ;; *)
    export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
(cd "$source_dir" && dpkg-buildpackage -us -uc)

arch="$(dpkg --print-architecture)"
changes="$out/brimzel_${version}_${arch}.changes"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$out/brimzel_${version}_${arch}.deb" "$scratch"
for entry in "$scratch"/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry"
done
# Exit code 3 means warnings only (the id is not reverse-DNS: Brimzel has no domain of its own).
status=0
appstreamcli validate --no-net "$scratch/usr/share/metainfo/brimzel.metainfo.xml" || status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 3 ]
lintian --info --display-info --fail-on error,warning "$changes"
echo "Packages:"
ls -1 "$out"/*.deb "$out"/*.dsc
