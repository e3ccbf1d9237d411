#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Ordanex needs that are not there yet.
#   scripts/install-deps.sh build   what building and running need
#   scripts/install-deps.sh test    that, plus what the tests need (Debian 13's tree included)
#   scripts/install-deps.sh bench   that, plus what the window benchmark needs
#   scripts/install-deps.sh package what building and checking the package need
#   scripts/install-deps.sh windows that, plus what the Windows build and its checks need
#   scripts/install-deps.sh reuse   only reuse, which checks every file's licence (Debian 13's)
set -euo pipefail

build=(cmake make g++ pkgconf qt6-base-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland
       libgl-dev pdftk-java)
test=(clang-format libgtest-dev libbenchmark-dev poppler-utils desktop-file-utils appstream
      fonts-dejavu-core xvfb xauth openbox dbus-daemon xclip xdotool procps)

debian13=(debootstrap util-linux)
reuse=(reuse git)
bench=(xvfb xauth libx11-dev)
package=(dpkg-dev dbus-daemon lintian devscripts file xvfb xauth xdotool x11-utils appstream-compose weston)
windows=(googletest g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 ninja-build perl
         dpkg-dev xvfb xauth openbox xdotool xclip unzip fonts-dejavu-core wixl procps)

wanted=("${build[@]}")
[ "${1:-build}" = reuse ] && wanted=("${reuse[@]}")
case "${1:-build}" in
  test) wanted+=("${test[@]}" "${package[@]}" valgrind "${debian13[@]}") ;;
  package) wanted+=("${package[@]}") ;;
  windows) wanted+=("${windows[@]}") ;;
  bench) wanted+=("${test[@]}" "${bench[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Run as root, or install sudo, to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
