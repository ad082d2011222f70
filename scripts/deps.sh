#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and packaging the analyser need.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth xdotool imagemagick x11-utils clang libclang-rt-14-dev fonts-dejavu-core
          help2man dpkg-dev file desktop-file-utils appstream man-db passwd util-linux)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
