# Sourced by the set-up scripts: the Debian packages Brimzel builds with, and a helper that
# installs the missing ones of a list (with sudo unless root).
brimzel_packages=(build-essential cmake pkg-config clang libclang-rt-14-dev
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libfontconfig-dev libx11-dev libjpeg-dev libpng-dev libvorbis-dev
    qt6-base-dev qt6-qpa-plugins libcairo2-dev libpango1.0-dev
    libgtest-dev googletest xvfb
    fonts-liberation2 fonts-dejavu-core fonts-urw-base35)

install_missing_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        local sudo_cmd=""
        [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
        echo "Installing: ${missing[*]}"
        $sudo_cmd apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
