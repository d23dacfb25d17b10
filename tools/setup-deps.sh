#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Tavoro need,
# if any is missing, and generates the Japanese locale that Wine runs in for
# people and screenshots: as root, or through sudo.
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
  # the release package (tools/release.sh), and the user guide as one HTML page
  # with its pictures inside (guide-ja.html beside Tavoro.exe, in the package)
  zip pandoc
  # the Japanese locale, so that Wine's own dialogs speak Japanese
  locales
)
japanese_locale=ja_JP.UTF-8

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
has_japanese_locale() { locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; }
[ ${#missing[@]} -eq 0 ] && has_japanese_locale && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! has_japanese_locale; then
  echo "Generating the locale $japanese_locale"
  # Listed in locale.gen, so that a later locale-gen keeps it.
  grep -qx "$japanese_locale UTF-8" /etc/locale.gen 2>/dev/null ||
    echo "$japanese_locale UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
