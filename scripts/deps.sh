#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, where missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config libx11-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    fonts-liberation
    xvfb xauth xdotool imagemagick
    clang libclang-rt-14-dev clang-format clang-tidy
)
[ "${ZELVIK_EXTRA_PACKAGES:-}" ] && read -r -a extra <<<"$ZELVIK_EXTRA_PACKAGES" && packages+=("${extra[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
