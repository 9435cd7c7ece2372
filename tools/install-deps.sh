#!/usr/bin/env bash
# Installs the Debian packages the build and tests need; quiet and quick when all are present.
# With the argument `package`, also what `make package` needs to build the Debian package; with
# `measure`, what `make measure` needs to run the game under a virtual X server.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-l10n-tools python3
    # Qt's own texts in the players' languages, and the glyphs of Japanese and Chinese.
    qt6-translations-l10n fonts-dejavu-core fonts-noto-cjk
    clang libclang-rt-14-dev libfuzzer-14-dev
    desktop-file-utils appstream
    weston qt6-wayland
)
if [ "${1:-}" = package ]; then
    # dpkg-shlibdeps reads the programs' library dependencies; CPack finds the binaries with file.
    packages+=(dpkg-dev file)
elif [ "${1:-}" = measure ]; then
    packages+=(xvfb xauth xdotool valgrind)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
