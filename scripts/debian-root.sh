# Sourced by the scripts that work in a fresh Debian root (scripts/debian-check.sh,
# scripts/reproducible.sh). Needs root and debootstrap (installed when missing).
#
#   make_debian_root RELEASE DIR     a minimal root (debootstrap --variant=minbase) of RELEASE
#                                    (trixie, bookworm), apt pointed at this machine's mirror
#   in_root DIR COMMAND...           runs COMMAND in the root with /proc, /sys, /dev, /dev/pts
#                                    and /dev/shm mounted, and unmounts them whatever happens
#   copy_source SOURCE DIR           copies the source tree (no build folders, no VCS) to DIR
#   source_package SOURCE PARENT     the tree copied to PARENT/brimzel-<upstream version>, with
#                                    its upstream tarball PARENT/brimzel_<version>.orig.tar.xz
#   remove_root DIR                  unmounts whatever is left and removes the root
#
# Roots live under BRIMZEL_ROOTS (/var/tmp unless set), never in the repository.

# debian_mirror: the Debian mirror this machine's apt uses (BRIMZEL_DEBIAN_MIRROR overrides).
debian_mirror() {
    if [ -n "${BRIMZEL_DEBIAN_MIRROR:-}" ]; then
        echo "$BRIMZEL_DEBIAN_MIRROR"
        return
    fi
    local uri
    uri="$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
        2>/dev/null | grep -oE 'https?://[^ ]+/debian/?( |$)' | grep -v security | head -n 1 | tr -d ' ')"
    echo "${uri:-http://deb.debian.org/debian}"
}

make_debian_root() {
    local release="$1" dir="$2"
    command -v debootstrap >/dev/null || {
        apt-get update >/dev/null
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap >/dev/null
    }
    local mirror
    mirror="$(debian_mirror)"
    echo "debootstrap --variant=minbase $release $dir $mirror"
    debootstrap --variant=minbase "$release" "$dir" "$mirror" >"$dir.debootstrap.log" 2>&1 || {
        tail -n 20 "$dir.debootstrap.log" >&2
        return 1
    }
    rm -f "$dir.debootstrap.log"
    echo "deb $mirror $release main" >"$dir/etc/apt/sources.list"
    # Installs nothing it was not asked for, as the README's commands expect.
    printf 'APT::Install-Recommends "false";\n' >"$dir/etc/apt/apt.conf.d/90brimzel-no-recommends"
}

# unmount_root DIR: unmounts every mount under DIR, deepest first.
unmount_root() {
    local dir mount
    dir="$(realpath "$1")"
    while read -r mount; do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done < <(awk -v root="$dir" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/mounts |
        sort -r)
}

in_root() {
    local dir="$1"
    shift
    # A subshell, so that its trap unmounts on any exit, error and signal included.
    (
        trap 'unmount_root "$dir"' EXIT
        trap 'exit 130' INT TERM
        mount -t proc proc "$dir/proc"
        mount -t sysfs sysfs "$dir/sys"
        mount --bind /dev "$dir/dev"
        mount -t devpts -o newinstance,ptmxmode=0666 devpts "$dir/dev/pts"
        mount -t tmpfs -o size=4g,mode=1777 tmpfs "$dir/dev/shm"
        cp -L /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
        chroot "$dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
    )
}

copy_source() {
    local source="$1" target="$2"
    mkdir -p "$target"
    (cd "$source" && find . -mindepth 1 -maxdepth 1 \
        ! -name '.git' ! -name 'build*' ! -name '*.deb' ! -name '*.changes' ! -name '*.buildinfo' \
        ! -name '*.dsc' ! -name '*.tar.*' -print0 |
        xargs -0 tar --exclude-vcs -cf - ) | tar -C "$target" -xf -
}

source_package() {
    local source="$1" parent="$2" version upstream
    version="$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)"
    upstream="${version%-*}"
    rm -rf "$parent/brimzel-$upstream"
    copy_source "$source" "$parent/brimzel-$upstream"
    # The upstream tarball: the tree without debian/, the same bytes from the same sources.
    tar -C "$parent" --exclude="brimzel-$upstream/debian" --sort=name --owner=0 --group=0 \
        --numeric-owner --mtime="@$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)" \
        --mode=go=rX,u+rw -cf - "brimzel-$upstream" | xz -6 >"$parent/brimzel_$upstream.orig.tar.xz"
    echo "$parent/brimzel-$upstream"
}

remove_root() {
    local dir="$1"
    [ -d "$dir" ] || return 0
    unmount_root "$dir"
    # Never follow a mount that is somehow still there.
    if awk -v root="$(realpath "$dir")" 'index($2, root "/") == 1 { found = 1 } END { exit !found }' /proc/mounts; then
        echo "remove_root: $dir still has mounts; left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$dir"
}
