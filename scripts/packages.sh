# Sourced by the set-up scripts: the Debian packages Brimzel builds and tests with, and helpers
# that install the missing ones (with sudo unless root). The names hold on Debian 12 and 13;
# where a name carries a version (clang's runtime) it is found from what is installed.
brimzel_packages=(build-essential cmake pkgconf clang
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libx11-dev libjpeg-dev libpng-dev libvorbis-dev
    qt6-base-dev qt6-qpa-plugins libcairo2-dev libpango1.0-dev
    libgtest-dev googletest xvfb xauth
    fonts-liberation2 fonts-dejavu-core fonts-urw-base35)

brimzel_sudo() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        brimzel_sudo apt-get update
        brimzel_sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# clang_runtime_package: the package holding libFuzzer and the sanitizer runtimes of the
# installed clang: libclang-rt-<major>-dev for the clang-<major> that `clang` depends on.
clang_runtime_package() {
    local major
    major="$(dpkg-query -W -f='${Depends}' clang | grep -o 'clang-[0-9][0-9]*' | head -n 1)"
    [ -n "$major" ] || { echo "clang_runtime_package: clang is not installed" >&2; return 1; }
    echo "libclang-rt-${major#clang-}-dev"
}

# install_brimzel_packages: everything scripts/setup.sh needs, clang's runtime once clang is in.
install_brimzel_packages() {
    install_missing_packages "${brimzel_packages[@]}"
    install_missing_packages "$(clang_runtime_package)"
}
