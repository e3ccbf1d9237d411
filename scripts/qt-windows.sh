#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows once, from Debian's own source package of the
# host's Qt, so that the host's moc, rcc and uic match it, and prints the
# folder it is installed in. A complete build is reused; a half-built one is
# built again. The mark of completion is written last.
#   scripts/qt-windows.sh        prints the folder, building it if need be
set -euo pipefail
cd "$(dirname "$0")/.."

step() { echo "qt-windows: $*" >&2; }
fail() { echo "qt-windows: $1 failed. $2" >&2; exit 1; }

version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) \
  || fail "finding the host's Qt" "Install qt6-base-dev (scripts/install-deps.sh windows)."
target=x86_64-w64-mingw32
cache=${XDG_CACHE_HOME:-$HOME/.cache}/ordanex
prefix=$cache/qt-$version-$target
mark=$prefix/.complete

# Fetches Debian's source package of the host's Qt into $work and sets $src.
fetch_source() {
  work=$cache/qt-$version-$target.work
  rm -rf "$work"
  mkdir -p "$work/lists/partial" "$work/sources" "$work/source"
  # Debian's registry as the system knows it, for sources only, in a private
  # apt state: the system's apt set-up is left as it is.
  local system=/etc/apt/sources.list.d/debian.sources
  [ -f "$system" ] || fail "reading $system" "This script expects Debian 12's deb822 source list."
  awk 'BEGIN { RS = ""; ORS = "\n\n" } /URIs: http[^\n]*debian\n/ && !/security/ {
         sub(/Types: deb/, "Types: deb-src"); print }' "$system" > "$work/sources/debian-src.sources"
  grep -q 'Types: deb-src' "$work/sources/debian-src.sources" \
    || fail "making a source list from $system" "No Debian entry was found in it."
  local apt=(apt-get -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/sources"
             -o Dir::State::Lists="$work/lists" -o APT::Sandbox::User=root)
  step "fetching the index of Debian's sources"
  "${apt[@]}" --error-on=any update >"$work/update.log" 2>&1 \
    || fail "fetching the source index (log: $work/update.log)" "Check the connection to Debian's registry."
  step "fetching qt6-base $version (apt checks its signature and checksums)"
  (cd "$work/source" && "${apt[@]}" source "qt6-base=$version") >"$work/source.log" 2>&1 \
    || fail "fetching or unpacking the source package (log: $work/source.log)" \
            "Read the log; where qt6-base $version is no longer served, update qt6-base-dev to a version Debian serves."
  src=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
  [ -n "$src" ] || fail "unpacking the source package" "apt left no source folder (log: $work/source.log)."
}

# Qt's own notices for the code of others that its libraries hold, as the
# source package gives them, for the Windows packages to carry: each
# qt_attribution.json of what the Windows build holds, then the licence
# texts it names; and Qt's exception to the GPL, which Qt's translations use.
notices() {
  local out=$prefix/notices json file
  rm -rf "$out"
  mkdir -p "$out"
  cp "$src/LICENSES/Qt-GPL-exception-1.0.txt" "$out/"
  echo "qt6-base $version" >"$out/source"
  {
    echo "The code of others in Qt's libraries, and its notices, as Debian's source package"
    echo "qt6-base $version gives them: each qt_attribution.json, then the licence texts it names."
    # Not in the Windows build: networking, D-Bus, tests, other systems, JPEG.
    for json in $(cd "$src" && find src -name qt_attribution.json | sort | grep -vE \
        '^src/(network|dbus|testlib|plugins/platforms/cocoa|corelib/kernel|3rdparty/(libpsl|libjpeg|wasm|xcb|android|gradle|forkfd|md4))/'); do
      printf '\n==== %s\n' "$json"
      cat "$src/$json"
      for file in $(sed -n 's/.*"LicenseFile": *"\([^"]*\)".*/\1/p' "$src/$json" | sort -u); do
        file=$(realpath -m --relative-to="$src" "$src/$(dirname "$json")/$file")
        printf '\n---- %s\n' "$file"
        cat "$src/$file"
      done
    done
  } >"$out/Qt-third-party.txt"
  touch "$out/.complete"
}

# A folder of another version never matches: its name carries the version,
# and the mark names it again.
if [ -f "$mark" ] && [ "$(cat "$mark")" = "qt6-base $version $target" ]; then
  # A build made before the notices were kept gets them without a new build.
  if [ ! -f "$prefix/notices/.complete" ]; then
    fetch_source
    step "keeping Qt's notices for the code of others in Qt"
    notices
    rm -rf "$work"
  fi
  echo "$prefix"
  exit 0
fi
[ -e "$prefix" ] && step "$prefix is incomplete; building it again"
rm -rf "$prefix"
# The toolchain lives with the build it made, so the cache outlives the clone.
mkdir -p "$prefix"
cp cmake/mingw-w64.cmake "$prefix/mingw-w64.cmake"
fetch_source

step "configuring (log: $work/configure.log)"
# Only what Ordanex and its tests load: Core, Gui, Widgets, Test and their
# plugins. OpenGL stays on, as this version's windows platform plugin does
# not build without it; DirectWrite 3 goes with Direct2D, as the plugin's
# DirectWrite font database needs both (GDI's is Qt's default anyway).
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_sql_sqlite=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF \
  >"$work/configure.log" 2>&1 \
  || fail "configuring Qt for Windows (log: $work/configure.log)" "Read the log's last lines."
step "building, about 20 minutes on 2 cores (log: $work/build.log)"
start=$SECONDS
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 \
  || fail "building Qt for Windows (log: $work/build.log)" "Read the log's last lines."
cmake --install "$work/build" >"$work/install.log" 2>&1 \
  || fail "installing Qt for Windows (log: $work/install.log)" "Check the free space in $cache."
step "built and installed in $((SECONDS - start)) s"
notices
echo "qt6-base $version $target" >"$mark"
rm -rf "$work"
echo "$prefix"
