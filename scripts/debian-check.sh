#!/usr/bin/env bash
# Checks Brimzel on a fresh Debian root made with debootstrap (needs root; the roots live in
# /var/tmp, or BRIMZEL_ROOTS, and are removed at the end). RELEASE is trixie (Debian 13, the
# default) or bookworm (Debian 12).
#
#   bash scripts/debian-check.sh readme [RELEASE]
#       The README's test command (scripts/test.sh) in a fresh root, then the packages built
#       there once by scripts/package.sh with DEB_BUILD_OPTIONS=nocheck (the suite has just
#       run on the same tree), then installed with apt into a second fresh root, their
#       autopkgtest run, and removed again. What CI runs (scripts/test.sh --heavy).
#   bash scripts/debian-check.sh packages [RELEASE]
#       The source package built in a fresh root holding only its Build-Depends, twice, in two
#       folders at two times (the first run with the test suite, the second without); the two
#       sets of .deb files must be byte-identical. Then lintian on the source and binary
#       packages (no errors, no warnings), and install, autopkgtest and removal in a second
#       fresh root. The packages are left in build-debian-RELEASE/.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/debian-root.sh"

mode="${1:-}"
release="${2:-trixie}"
case "$mode" in readme | packages) ;; *)
    echo "usage: bash scripts/debian-check.sh readme|packages [trixie|bookworm]" >&2
    exit 2
    ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "debian-check.sh needs root (debootstrap, chroot)" >&2; exit 2; }

# BRIMZEL_KEEP_ROOTS=1 keeps the roots (unmounted) for a look afterwards; BRIMZEL_REUSE_ROOTS=DIR
# takes up such kept roots again instead of making new ones (the base root and the build root
# with its Build-Depends; the install root is always made afresh).
roots="${BRIMZEL_REUSE_ROOTS:-$(mktemp -d "${BRIMZEL_ROOTS:-/var/tmp}/brimzel-debian-$release.XXXXXX")}"
[ -z "${BRIMZEL_REUSE_ROOTS:-}" ] || BRIMZEL_KEEP_ROOTS=1
cleanup() {
    local dir
    if [ -n "${BRIMZEL_KEEP_ROOTS:-}" ]; then
        unmount_root "$roots"
        echo "roots kept in $roots"
        return
    fi
    for dir in "$roots"/*/; do remove_root "$dir" || return 1; done
    rm -rf --one-file-system "$roots"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# read_cpu_s: sets cpu_s to the processor time (user + system, seconds) of every finished child
# of this shell so far. `times` runs here, not in a subshell, whose children would be its own.
cpu_s=0
read_cpu_s() {
    local times_file
    times_file="$(mktemp)"
    times >"$times_file"
    cpu_s="$(tail -n 1 "$times_file" | tr 'ms' '  ' | awk '{ printf "%d\n", $1 * 60 + $2 + $3 * 60 + $4 }')"
    rm -f "$times_file"
}

# step NAME COMMAND...: runs and times one step; a failed step ends the check.
step() {
    local name="$1" start=$SECONDS cpu_start
    shift
    read_cpu_s
    cpu_start=$cpu_s
    echo "== $release: $name"
    "$@" || { echo "$release: $name FAILED after $((SECONDS - start)) s" >&2; exit 1; }
    read_cpu_s
    echo "$release: $name took $((SECONDS - start)) s wall, $((cpu_s - cpu_start)) s processor"
}

# The base root is made once; each use gets a fresh copy of it.
fresh_root() {
    if [ -d "$roots/$1" ]; then
        if [ "$1" = build ] && [ -n "${BRIMZEL_REUSE_ROOTS:-}" ]; then return; fi
        remove_root "$roots/$1"
    fi
    cp -a "$roots/base" "$roots/$1"
}
jobs="${BRIMZEL_JOBS:-$(nproc)}"
command -v dpkg-parsechangelog >/dev/null && command -v xz >/dev/null || {
    apt-get update >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends dpkg-dev xz-utils >/dev/null
}
[ -d "$roots/base" ] || step "debootstrap $release" make_debian_root "$release" "$roots/base"

# install_and_test DEBS: apt installs the packages into a fresh root, runs their autopkgtest
# there and removes them; nothing of theirs may be left behind.
install_and_test() {
    local debs="$1"
    fresh_root install
    mkdir -p "$roots/install/build/debs"
    cp "$debs"/brimzel_*.deb "$debs"/brimzel-data_*.deb "$roots/install/build/debs/"
    copy_source "$here" "$roots/install/build/brimzel"
    in_root "$roots/install" bash -euc '
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -q >/dev/null
        apt-get install -y -q /build/debs/*.deb
        dpkg-query -L brimzel brimzel-data | sort -u >/build/files
        apt-get install -y -q autopkgtest >/dev/null
        autopkgtest --no-built-binaries /build/brimzel -- null
        apt-get remove -y -q brimzel brimzel-data
        left=0
        while read -r path; do
            if [ -e "$path" ] && { [ ! -d "$path" ] || [ -z "${path##*brimzel*}" ]; }; then
                echo "left behind: $path"
                left=1
            fi
        done </build/files
        [ "$(dpkg-query -W -f="\${db:Status-Status}" brimzel 2>/dev/null)" != installed ]
        [ "$left" = 0 ] && echo "apt remove left nothing behind"'
}

if [ "$mode" = readme ]; then
    fresh_root test
    copy_source "$here" "$roots/test/build/brimzel"
    step "README test command (bash scripts/test.sh)" in_root "$roots/test" bash /build/brimzel/scripts/test.sh
    step "packages (scripts/package.sh, nocheck)" in_root "$roots/test" \
        env DEB_BUILD_OPTIONS="nocheck parallel=$jobs" bash /build/brimzel/scripts/package.sh
    step "apt install, autopkgtest, apt remove" install_and_test "$roots/test/build/brimzel/build-package"
    exit 0
fi

# packages: two builds in a root with only the Build-Depends, then the checks.
out="${BRIMZEL_DEBIAN_OUT:-$here/build-debian-$release}"
fresh_root build
first="$(source_package "$here" "$roots/build/build/first")"
first="${first#"$roots/build"}"
step "Build-Depends" in_root "$roots/build" bash -euc "
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get build-dep -y -q $first >/dev/null
    cd $first && dpkg-checkbuilddeps"
step "first build (with the test suite)" in_root "$roots/build" \
    bash -euc "cd $first && DEB_BUILD_OPTIONS=parallel=$jobs dpkg-buildpackage -us -uc"
second="$(source_package "$here" "$roots/build/build/second-folder")"
second="${second#"$roots/build"}"
step "second build (other folder, later, umask 002, nocheck)" in_root "$roots/build" \
    bash -euc "umask 002; cd $second && DEB_BUILD_OPTIONS='nocheck parallel=$jobs' dpkg-buildpackage -us -uc"
compare() {
    local deb same=0
    for deb in "$roots"/build/build/first/*.deb; do
        if cmp "$deb" "$roots/build/build/second-folder/$(basename "$deb")"; then
            echo "identical: $(basename "$deb") $(sha256sum <"$deb" | cut -c1-16)"
        else
            same=1
        fi
    done
    return $same
}
step "the two builds' .deb files byte for byte" compare
rm -rf "$out"
mkdir -p "$out"
cp "$roots"/build/build/first/*.{deb,dsc,changes,buildinfo,tar.xz} "$out/"
step lintian in_root "$roots/build" bash -euc '
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q lintian >/dev/null
    lintian --version
    lintian --info --display-info --fail-on error,warning /build/first/brimzel_*.changes'
step "apt install, autopkgtest, apt remove" install_and_test "$out"
