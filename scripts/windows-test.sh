#!/usr/bin/env bash
# What this Linux machine can prove of the Windows build:
#  - the core and its tests, and the Windows part of starting the tool,
#    cross-compiled with mingw-w64, pass under wine;
#  - the resource script compiles, and its version record holds our values.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
werror=OFF
[ "${CI:-}" = true ] && werror=ON
build=build/windows
cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DORDANEX_QT=OFF -DORDANEX_BENCHMARKS=OFF -DORDANEX_WERROR=$werror >/dev/null
cmake --build $build --parallel 2

echo "== tests under wine"
export WINEPREFIX="$PWD/$build/wine" WINEDEBUG=-all
ctest --test-dir $build --output-on-failure

echo "== version record"
resource=$(find $build/app -name 'ordanex.rc.res' | head -n 1)
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

exit $status
