#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, and only those missing.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libx11-dev libfontconfig-dev
  libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick
  fonts-dejavu-core fonts-liberation fonts-comic-neue fonts-roboto-unhinted fonts-urw-base35
  xdg-utils)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
