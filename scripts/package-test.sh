#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks its contents, metadata and lintian's
# verdict. With CI=true as root (a throwaway machine), or with --install, it
# also installs the package with apt, starts the installed program and checks
# its window under X and Wayland (tests/installed.sh), and removes it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh package
# Built as Debian's CMake helper builds: with the flags of dpkg-buildflags as
# they are, the preprocessor's with the compiler's (CMake reads no
# CPPFLAGS), and a build type that adds no flags of its own.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS $CPPFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DORDANEX_TESTS=OFF -DORDANEX_BENCHMARKS=OFF >/dev/null
cmake --build build/package --parallel 2 --verbose >build/package/build.log
grep -F -- "-D_FORTIFY_SOURCE=2" build/package/build.log | grep -qv -- "-O3" \
  || { echo "package: the program was not compiled with Debian's flags (build/package/build.log)" >&2; exit 1; }
(cd build/package && cpack >/dev/null)
arch=$(dpkg --print-architecture)
deb=build/package/ordanex_1.0.0_$arch.deb
failed=0
fail() { echo "package: $*" >&2; failed=1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
icons=(usr/share/icons/hicolor/scalable/apps/org.ordanex.Ordanex.svg)
for size in 16 24 32 48 64 128 256; do
  icons+=(usr/share/icons/hicolor/${size}x$size/apps/org.ordanex.Ordanex.png)
done
for path in usr/bin/ordanex usr/share/applications/org.ordanex.Ordanex.desktop \
    usr/share/metainfo/org.ordanex.Ordanex.metainfo.xml "${icons[@]}" \
    usr/share/man/man1/ordanex.1.gz usr/share/doc/ordanex/copyright usr/share/doc/ordanex/changelog.gz \
    usr/share/ordanex/translations/ordanex_en.qm usr/share/ordanex/translations/ordanex_ar.qm; do
  grep -qx "./$path" <<<"$contents" || fail "missing $path"
done
grep -q 'usr/bin/pdftk' <<<"$contents" && fail "ships its own pdftk"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/ordanex/copyright |
  grep -qx 'License: GPL-3.0-or-later' || fail "the copyright file does not give the licence GPL-3.0-or-later"
[ "$(dpkg-deb -f "$deb" Package Version Section)" = $'Package: ordanex\nVersion: 1.0.0\nSection: graphics' ] \
  || fail "wrong package, version or section"
dpkg-deb -f "$deb" Maintainer | grep -q '^The Ordanex developers <' || fail "wrong maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in 'pdftk-java | pdftk' libqt6widgets6 libstdc++6; do
  grep -qF "$dependency" <<<"$depends" || fail "does not depend on $dependency"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, qt6-translations-l10n" ] \
  || fail "does not recommend qt6-wayland and qt6-translations-l10n"
# Stripped, its debug symbols kept apart.
[ -s build/package/debug/ordanex.debug ] || fail "the program's debug symbols were not kept"
lintian --info --pedantic --fail-on error,warning,info,pedantic "$deb" || fail "lintian found what a maintainer would fix"

# Software centres list what appstream's compose accepts, icons included.
tree=build/package/tree
rm -rf $tree $tree.catalog && dpkg-deb -x "$deb" $tree
compose=$(appstreamcli compose --no-net --result-root=$tree.catalog --origin=ordanex $tree 2>&1) \
  || fail "appstream compose: $compose"
catalog=$(zcat $tree.catalog/usr/share/swcatalog/xml/ordanex.xml.gz)
# PIE, stack protector, fortified functions, read-only relocations and
# immediate binding: what Debian 12's flags give.
hardening-check --nocfprotection $tree/usr/bin/ordanex \
  || fail "hardening-check: the program lacks a protection"
for part in '<id>org.ordanex.Ordanex</id>' 'width="64" height="64">org.ordanex.Ordanex.png' \
    'width="128" height="128">org.ordanex.Ordanex.png'; do
  grep -qF "$part" <<<"$catalog" || fail "the composed catalog lacks $part"
done
echo "package: $deb checked ($(stat -c %s "$deb") bytes)"

if [ "${1:-}" = --install ] || { [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; }; then
  apt-get install -y -qq "./$deb" >/dev/null
  tests/installed.sh || fail "the installed program did not start as it should"
  apt-get remove -y -qq ordanex >/dev/null
  if dpkg -s ordanex >/dev/null 2>&1 || [ -e /usr/bin/ordanex ]; then fail "not removed cleanly"; fi
  echo "package: installed, started and removed"
fi
exit $failed
