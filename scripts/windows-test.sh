#!/usr/bin/env bash
# The whole Ordanex for 64-bit Windows, cross-built here against a Qt for
# Windows of our own (scripts/qt-windows.sh), and proven under wine:
#  - the core tests, and the window tests with the offscreen platform and
#    with the windows platform under Xvfb and a window manager;
#  - the version record and icon of Ordanex.exe;
#  - the deploy folder and its zip: unzipped into a wine prefix of its own,
#    with no other DLL path, Ordanex.exe starts, takes files dropped from an
#    X program, and starts the pdftk.exe beside it with the exact command.
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

# No dialogs offering wine's .NET and browser engines: Ordanex needs neither.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
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

echo "== deploy folder and zip"
version=$(sed -n 's/^project(Ordanex VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
name=Ordanex-$version-windows-x64
deploy=$build/deploy/$name
rm -rf $build/deploy
mkdir -p $deploy/platforms $deploy/styles
cp $build/app/Ordanex.exe $deploy/
cp "$qt/plugins/platforms/qwindows.dll" $deploy/platforms/
cp "$qt/plugins/styles/qwindowsvistastyle.dll" $deploy/styles/
sed "s/@ORDANEX_VERSION_TEXT@/$(sed -n 's/^set(ORDANEX_VERSION_TEXT "\(.*\)")/\1/p' CMakeLists.txt)/" \
  packaging/windows-readme.txt.in >$deploy/README.txt
# The DLLs these load, and the ones those load, from Qt's and the
# compiler's; any other is Windows' own.
search=("$qt/bin")
for dll in libstdc++-6.dll libwinpthread-1.dll; do
  search+=("$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")")
done
pending=($deploy/Ordanex.exe $deploy/platforms/qwindows.dll $deploy/styles/qwindowsvistastyle.dll)
while [ ${#pending[@]} -gt 0 ]; do
  for dll in $(x86_64-w64-mingw32-objdump -p "${pending[0]}" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$deploy/$dll" ] && continue
    for dir in "${search[@]}"; do
      if [ -e "$dir/$dll" ]; then
        cp "$dir/$dll" $deploy/
        pending+=("$deploy/$dll")
        break
      fi
    done
  done
  pending=("${pending[@]:1}")
done
# Symbols are for debugging here, not for the user's download.
find $deploy \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
zip=$build/deploy/$name.zip
(cd $build/deploy && cmake -E tar cf $name.zip --format=zip $name)
echo "$zip: $(stat -c %s $zip) bytes"
unzip -l $zip | awk 'NR > 3 && $4 && $4 !~ /\/$/ { print "  " $4 " (" $1 " bytes)" }' | sort

echo "== the unzipped Ordanex.exe under wine and Xvfb"
unzipped=$build/unzipped
rm -rf $unzipped "$PWD/$build/wine-clean"
mkdir -p $unzipped
(cd $unzipped && cmake -E tar xf ../deploy/$name.zip)
# A stand-in for the file manager, built for this machine.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDANEX_WERROR=$werror >/dev/null
cmake --build build/test --target drag_source >/dev/null
env -u WINEPATH WINEPREFIX="$PWD/$build/wine-clean" xvfb-run -a -s "-screen 0 1024x768x24" \
  tests/windows-exe.sh "$PWD/$unzipped/$name" "$PWD/$build/tests/record_command.exe" \
  "$PWD/build/test/tools/drag_source" "$PWD/$build" || status=1

exit $status
