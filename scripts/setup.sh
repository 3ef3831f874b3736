#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12,
# then configures and builds it into build/. Quiet when everything is there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins libjpeg62-turbo-dev
  googletest libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xdotool x11-utils imagemagick faketime python3-pil python3-numpy
  clang libclang-rt-14-dev valgrind
  desktop-file-utils appstream dpkg-dev file weston
  qt6-wayland
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

top=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
# Quiet when the build succeeds; the whole log when it does not.
log=$(mktemp)
cmake --build "$top/build" -j "$(nproc)" >"$log" 2>&1 || { cat "$log"; rm -f "$log"; exit 1; }
rm -f "$log"
