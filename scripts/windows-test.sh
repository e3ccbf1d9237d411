#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole Ordanex for 64-bit Windows, cross-built here against a Qt for
# Windows of our own (scripts/qt-windows.sh), and proven under wine:
#  - the core tests, and the window tests with the offscreen platform and
#    with the windows platform under Xvfb and a window manager;
#  - the version record and icon of Ordanex.exe;
#  - the zip and the MSI, which the build makes (cmake --build ... --target
#    package): unzipped into a wine prefix of its own, with no other DLL
#    path, Ordanex.exe starts, takes files dropped from an X program, and
#    starts the pdftk.exe beside it with the exact command; the MSI installs,
#    upgrades and uninstalls as tests/windows-msi.sh checks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
werror=OFF
[ "${CI:-}" = true ] && werror=ON
qt=$(scripts/qt-windows.sh) || {
  echo "windows: without Qt for Windows the Windows stage cannot go on; the stages before it stand." >&2
  exit 1
}
build=build/windows
cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DORDANEX_BENCHMARKS=OFF -DORDANEX_WERROR=$werror >/dev/null
cmake --build $build --parallel 2

# No dialogs offering wine's .NET and browser engines, which Ordanex does not
# need, and no menu entries of wine's on this machine's desktop.
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
echo "== tests under wine"
WINEPREFIX="$PWD/$build/wine" ctest --test-dir $build --output-on-failure

echo "== version record"
resource=$(find $build/app -name 'ordanex.rc.res' -o -name 'ordanex.rc.obj' | head -n 1)
dump=$(x86_64-w64-mingw32-windres -J coff -O rc -i "$resource" | grep -vE '^ +0x')
expected=(
  ' FILEVERSION 1, 0, 0, 0'
  ' PRODUCTVERSION 1, 0, 0, 0'
  ' FILEOS 0x4'     # 32-bit Windows
  ' FILETYPE 0x1'   # application
  '    BLOCK "040904B0"'
  '      VALUE "FileVersion", "1.00"'
  '      VALUE "ProductVersion", "1.00"'
  '      VALUE "ProductName", "Ordanex"'
  '      VALUE "InternalName", "Ordanex"'
  '      VALUE "OriginalFilename", "Ordanex.exe"'
  '    VALUE "Translation", 0x409, 1200'
)
status=0
for line in "${expected[@]}"; do
  grep -qxF "$line" <<<"$dump" || { echo "version record lacks: $line"; status=1; }
done
[ "$(grep -c 'RT_ICON \*/' <<<"$dump")" = 2 ] || { echo "the icon does not hold two pictures"; status=1; }
[ $status = 0 ] && echo "version record and icon as specified"

echo "== the zip and the MSI, made by the build"
version=$(sed -n 's/^project(Ordanex VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
name=Ordanex-$version-windows-x64
rm -f $build/$name.zip $build/$name.msi
cmake --build $build --target package >$build/package.log 2>&1 || {
  tail -n 5 $build/package.log
  echo "windows: making the zip and the MSI (cpack) failed; log: $build/package.log" >&2
  exit 1
}
# The source of what they hold, beside them: it unpacks to a tree that
# configures.
source=Ordanex-$version-source
rm -f $build/$source.tar.gz
cmake --build $build --target package_source >$build/package_source.log 2>&1 || {
  echo "windows: making the source archive failed; log: $build/package_source.log" >&2
  exit 1
}
for package in $build/$name.zip $build/$name.msi $build/$source.tar.gz; do echo "$package: $(stat -c %s $package) bytes"; done
rm -rf $build/source-check && mkdir -p $build/source-check
tar -xzf $build/$source.tar.gz -C $build/source-check
[ -x $build/source-check/$source/scripts/qt-windows.sh ] && [ ! -e $build/source-check/$source/build ] \
  || { echo "windows: the source archive lacks scripts/qt-windows.sh, or holds a build"; status=1; }
cmake -S $build/source-check/$source -B $build/source-check/build >$build/source-check.log 2>&1 \
  || { echo "windows: the unpacked source archive does not configure; log: $build/source-check.log"; status=1; }
unzip -l $build/$name.zip | awk 'NR > 3 && $4 && $4 !~ /\/$/ { print "  " $4 " (" $1 " bytes)" }' | sort
# Only what Ordanex uses and what the licences of it ask for, and all of
# that: each licence text holds what it is named after.
listing=$(unzip -Z1 $build/$name.zip | grep -v '/$' | sed "s|^$name/||")
unexpected=$(grep -vxE 'Ordanex\.exe|[^/]+\.dll|platforms/qwindows\.dll|styles/qwindowsvistastyle\.dll|translations/(ordanex|qtbase)_[a-zA-Z_]+\.qm|(README|COPYING|NOTICE)\.txt|licenses/[^/]+\.txt' <<<"$listing" || true)
[ -z "$unexpected" ] || { echo "windows: the zip holds files it should not: $unexpected"; status=1; }
for part in "COPYING.txt:GNU GENERAL PUBLIC LICENSE" "NOTICE.txt:licenses.Qt-third-party.txt" \
    "licenses/GPL-3.0.txt:GNU GENERAL PUBLIC LICENSE" "licenses/Qt-LGPL-3.0.txt:GNU LESSER GENERAL PUBLIC LICENSE" \
    "licenses/Qt-GPL-exception-1.0.txt:The Qt Company GPL Exception 1.0" \
    "licenses/Qt-third-party.txt:src/3rdparty/zlib/LICENSE" \
    "licenses/GCC-Runtime-Library-Exception-3.1.txt:GCC RUNTIME LIBRARY EXCEPTION" \
    "licenses/winpthreads.txt:Files: mingw-w64-libraries/winpthreads/\*" \
    "licenses/mingw-w64-runtime.txt:License: ZPL-2.1" "licenses/mingw-w64-runtime.txt:License: Lucent" \
    "licenses/mingw-w64-runtime.txt:License: David-Gay" "NOTICE.txt:Ordanex-$version-source.tar.gz"; do
  unzip -p $build/$name.zip "$name/${part%%:*}" 2>/dev/null | grep "${part#*:}" >/dev/null \
    || { echo "windows: the zip lacks ${part%%:*}, or it does not hold ${part#*:}"; status=1; }
done
# Every binary is named in NOTICE.txt, and each that holds mingw-w64's
# gdtoa or printf among those under the Lucent licence.
notice=$(unzip -p $build/$name.zip "$name/NOTICE.txt" | tr -d '\r' | tr '\n' ' ')
for binary in $(grep -E '\.(exe|dll)$' <<<"$listing"); do
  [[ $notice == *"$(basename "$binary")"* ]] || { echo "windows: NOTICE.txt does not name $binary"; status=1; }
done
lucent=$(unzip -p $build/$name.zip "$name/NOTICE.txt" | tr -d '\r' | grep -A1 "under the Lucent licence" | tail -n 1)
for binary in $build/app/Ordanex.exe "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)"; do
  if x86_64-w64-mingw32-nm --defined-only "$binary" | grep -qE ' T (__gdtoa|__mingw_pformat)$' \
     && [[ $lucent != *"$(basename "$binary")"* ]]; then
    echo "windows: $(basename "$binary") holds code under the Lucent licence, which NOTICE.txt does not say"; status=1
  fi
done
# A later version, for the upgrade, and one that Windows Installer cannot
# take, which makes no MSI.
IFS=. read -r major minor patch <<<"$version"
later=$major.$minor.$((patch + 1))
(cd $build && cpack -G External -D CPACK_PACKAGE_VERSION=$later -B later) >$build/later.log 2>&1 \
  || { echo "windows: making the MSI of $later failed; log: $build/later.log"; exit 1; }
if (cd $build && cpack -G External -D CPACK_PACKAGE_VERSION=$major.$minor.65536 -B unfit) >$build/unfit.log 2>&1 \
   || ! grep -q "Windows Installer cannot take the version" $build/unfit.log || [ -n "$(find $build/unfit -name '*.msi')" ]; then
  echo "windows: the version $major.$minor.65536 was not refused with a message (log: $build/unfit.log)"; status=1
fi

echo "== the unzipped Ordanex.exe under wine and Xvfb"
unzipped=$build/unzipped
rm -rf $unzipped "$PWD/$build/wine-clean"
mkdir -p $unzipped
(cd $unzipped && cmake -E tar xf ../$name.zip)
# A stand-in for the file manager, built for this machine.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDANEX_WERROR=$werror >/dev/null
cmake --build build/test --target drag_source >/dev/null
env -u WINEPATH WINEPREFIX="$PWD/$build/wine-clean" xvfb-run -a -s "-screen 0 1024x768x24" \
  tests/windows-exe.sh "$PWD/$unzipped/$name" "$PWD/$build/tests/record_command.exe" \
  "$PWD/build/test/tools/drag_source" "$PWD/$build" || status=1

echo "== the MSI under wine and Xvfb"
env -u WINEPATH xvfb-run -a -s "-screen 0 1024x768x24" \
  tests/windows-msi.sh "$PWD/$build/$name.msi" "$PWD/$build/later/Ordanex-$later-windows-x64.msi" \
  "$PWD/$build/$name.zip" "$PWD/assets/icons/ordanex.ico" "$PWD/$build/tests/record_command.exe" \
  "$PWD/build/test/tools/drag_source" "$PWD/$build/msi" || status=1

exit $status
