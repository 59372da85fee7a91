#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that building, running, testing and packaging need
# and that are missing. Sourced by scripts/run and scripts/test; does nothing when all are present.
htmlsim_packages=(
    cmake ninja-build g++ ccache pkg-config libzip-dev
    qt6-base-dev libgl-dev libcurl4-openssl-dev nlohmann-json3-dev libdtl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    python3-pyftpdlib python3-html5lib libxml2-utils
    python3-openssl python3-asyncssh openssh-client libsecret-1-dev libssl-dev
    xvfb xauth fonts-liberation
    librsvg2-bin groff-base mandoc desktop-file-utils dpkg-dev file
    unzip gcovr
    libx11-dev libx11-xcb-dev libxcb1-dev libxext-dev libxi-dev libxtst-dev libxkbcommon-x11-dev
    libatspi2.0-dev at-spi2-core dbus-daemon
    libpng-dev libjpeg62-turbo-dev
)

htmlsim_install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

htmlsim_install_missing "${htmlsim_packages[@]}"
