#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and tests Ordanex on Debian 13, the current stable release, in a
# tree of its own: made once with debootstrap from Debian's archive, kept in
# the cache and brought up to date on every run. In the tree run the normal
# build and all its tests (the window under Xvfb, Wayland under weston), and
# the Debian package built on this machine (build/package) is installed
# there with apt, started, and removed again.
# It needs root: it runs as root, or through sudo. Where it cannot act as
# root it says so and ends with status 2 (skipped); with CI=true that fails.
#   scripts/debian13-test.sh          the build, its tests and the package
#   scripts/debian13-test.sh reuse    only reuse lint on the sources, with
#                                     Debian 13's reuse: Debian 12's cannot
#                                     read REUSE.toml
set -euo pipefail
cd "$(dirname "$0")/.."

step() { echo "debian13: $*" >&2; }
fail() { echo "debian13: $1 failed. $2" >&2; exit 1; }

cache=${ORDANEX_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/ordanex}
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null && sudo -v; then
    exec sudo ORDANEX_CACHE="$cache" CI="${CI:-}" "$0" "$@"
  fi
  [ "${CI:-}" = true ] && fail "acting as root" "In CI this stage must run: run the test command as root, or with sudo."
  echo "debian13: SKIPPED, not run: the Debian 13 stage needs root (run as root, or with sudo)."
  exit 2
fi

mode=${1:-all}
deb=build/package/ordanex_1.0.0_$(dpkg --print-architecture).deb
[ "$mode" = reuse ] || [ -f "$deb" ] || fail "finding the Debian package" "Make it first: scripts/package-test.sh."
tree=$cache/debian-13-$(dpkg --print-architecture)
mark=$tree/.complete
mkdir -p "$cache"
log=$cache/debian-13.log
: >"$log"

# Debian's archive as this machine knows it.
mirror=$(awk '$1 == "URIs:" && $2 !~ /security/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
mirror=${mirror:-http://deb.debian.org/debian}

# The mark is written last: a tree without it is made again.
if [ ! -f "$mark" ]; then
  [ -e "$tree" ] && step "$tree is incomplete; making it again"
  rm -rf "$tree"
  step "making the tree with debootstrap from $mirror (log: $log)"
  debootstrap --variant=minbase trixie "$tree" "$mirror" >>"$log" 2>&1 \
    || fail "making the tree with debootstrap (log: $log)" "Check the connection to Debian's archive."
  rm -f "$tree/etc/apt/sources.list"
  cat >"$tree/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: trixie trixie-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: ${mirror%/debian}/debian-security
Suites: trixie-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  echo "debian 13 trixie" >"$mark"
fi
cp /etc/resolv.conf "$tree/etc/resolv.conf"

werror=OFF
[ "${CI:-}" = true ] && werror=ON
# Runs a script in the tree, as root, with nothing of this machine's
# settings. The mounts it needs live in a namespace of their own, which
# ends with it whatever way it ends; the source is seen read-only.
inside() {
  unshare --mount --propagation private bash -euo pipefail -c '
    tree=$1 source=$2 script=$3 ci=$4
    mount -t proc proc "$tree/proc"
    mount --rbind /dev "$tree/dev"
    mount --rbind /sys "$tree/sys"
    mkdir -p "$tree/src"
    mount --bind "$source" "$tree/src"
    mount -o remount,bind,ro "$tree/src"
    exec chroot "$tree" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
      LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive CI="$ci" bash -euo pipefail -c "$script"
  ' inside "$tree" "$PWD" "$1" "${CI:-}"
}

step "bringing the tree up to date (log: $log)"
inside "apt-get update -qq && apt-get dist-upgrade -y -qq" >>"$log" 2>&1 \
  || fail "updating the tree (log: $log)" "Check the connection to Debian's archive."
if [ "$mode" = reuse ]; then
  inside "/src/scripts/install-deps.sh reuse" >>"$log" 2>&1 \
    || fail "installing reuse in the tree (log: $log)" "Read the log's last lines."
  step "reuse $(chroot "$tree" dpkg-query -W -f='${Version}' reuse): the licence and copyright of every file"
  inside "git config --global --add safe.directory /src && cd /src && reuse lint" \
    || fail "reuse lint" "The files named above lack a licence or a copyright: give them an SPDX header, or cover them in REUSE.toml."
  exit 0
fi
cp "$deb" "$tree/tmp/ordanex.deb"
step "installing what the tests need (log: $log)"
inside "/src/scripts/install-deps.sh test" >>"$log" 2>&1 \
  || fail "installing the test packages in the tree (log: $log)" "Read the log's last lines."
step "Debian $(cat "$tree/etc/debian_version"), Qt $(chroot "$tree" dpkg-query -W -f='${Version}' qt6-base-dev): building and testing"
inside "cmake -S /src -B /build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDANEX_WERROR=$werror >/dev/null
  cmake --build /build --parallel 2 >/dev/null
  ctest --test-dir /build --parallel 2 --output-on-failure" \
  || fail "building or testing on Debian 13" "The output above says which."
step "the package made on this machine, installed with apt and started"
inside "apt-get install -y -qq /tmp/ordanex.deb >/dev/null
  status=0
  cd /src && tests/installed.sh || status=1
  apt-get remove -y -qq ordanex >/dev/null
  exit \$status" || fail "installing and starting the package on Debian 13" "The output above says which."
step "passed"
