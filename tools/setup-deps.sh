#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tavoro need,
# if any is missing: as root, or through sudo.
set -euo pipefail

packages=(
  cmake make g++ libgtest-dev libbenchmark-dev
  # Tavoro.exe: the MinGW-w64 cross compiler, and Wine to run it here
  g++-mingw-w64-x86-64-posix wine wine64
  # what Wine only recommends: its own fonts, and the X libraries its windows draw with
  fonts-wine libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3
  # Japanese fonts for the dialogs under Wine
  fonts-ipafont-gothic
  # a virtual screen and pictures of it
  xvfb x11-utils imagemagick
  # the release package (tools/release.sh)
  zip
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
