#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Ordanex.exe as a Windows user meets it, under wine in an X session with a
# window manager: it starts from its unzipped folder, takes files dragged
# from an X program (wine hands the drop to the window as an OLE drop) and
# files that an X program put on the clipboard (pasted with Ctrl+V), and on
# Enter starts the pdftk.exe beside it, a recorder here, with the exact
# command line; the recorder makes a file at the destination. A merge that
# fails is told in a box; one still running when the window is closed runs
# to its end. The tool's error output reaches the box through a file in the
# temp folder, which is gone once the tool ends. A name that the system's
# code page holds reaches the tool as it is, also where the tool reads its
# command line in the code page, as pdftk does; one that it does not hold
# is refused before anything starts. A tool that lacks a DLL of its own is
# told by the system's code for it. A drop over the list's limit returns
# to the file manager before its box shows.
#   tests/windows-exe.sh FOLDER RECORDER DRAG_SOURCE SCREENSHOT_FOLDER
# (missing_dll.exe, beside RECORDER, is a tool without its DLL.)
set -uo pipefail
folder=$1 recorder=$2 drag_source=$3 shots=$4
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "windows-exe: $*"; exit 1; }
# The first shown window of that name, within a minute. xdotool gives up
# on the whole search when a window it looks at vanishes, so ask again.
find_window() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return
    sleep 0.2
  done
}
# Where a window is, as X Y WIDTH HEIGHT.
place() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^[XYWIDTHEG]*=//p' | head -n 4 | tr '\n' ' '; }

openbox --startup "touch $work/ready" >/dev/null 2>&1 &
until [ -e "$work/ready" ]; do sleep 0.05; done
wineboot -i >/dev/null 2>&1
cp "$recorder" "$folder/pdftk.exe"
rm -f "$folder/pdftk.exe.txt" "$folder/pdftk.exe.fail"
wine "$folder/Ordanex.exe" >/dev/null 2>&1 &
window=$(find_window '^Ordanex$')
[ -n "$window" ] || fail "Ordanex.exe showed no window: the zip may lack a DLL"
read -r x y _ <<<"$(place "$window")"

# Drags what an X program offers onto the list, in small steps as a hand
# moves; the program tells in $work/drag.log when its drag has ended.
#   drop DRAG_SOURCE_ARGUMENT...
drop() {
  "$drag_source" "$@" >"$work/drag.log" 2>&1 &
  dragging=$!
  local source sx sy tx=$((x + 150)) ty=$((y + 120))
  source=$(find_window '^Drag source$')
  read -r sx sy _ <<<"$(place "$source")"
  sx=$((sx + 40)) sy=$((sy + 30))
  # A drag of many files takes a moment to start, and each move a moment
  # while wine reads what it carries.
  sleep 1
  xdotool mousemove $sx $sy mousedown 1
  sleep 0.5
  for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((sx + (tx - sx) * step / 10)) $((sy + (ty - sy) * step / 10))
    sleep 0.2
  done
  sleep 0.5
  xdotool mouseup 1
}
# The first window of that name other than the program's own, within 20 s.
find_box() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "$window" | head -n 1 | grep . && return
    sleep 0.2
  done
}

# The words of the box that shows, copied with Ctrl+C, as Windows copies a
# message box's text; then Enter closes it, held until the window is active
# again: a release that reaches no window of the program's would leave Qt
# taking the next press for a repeat, which Merge ignores. Fails where no
# box shows.
said_in_box() {
  local box
  box=$(find_box Ordanex)
  [ -n "$box" ] || return 1
  xdotool windowactivate --sync "$box" key ctrl+c
  sleep 0.5
  xclip -selection clipboard -o | tr -d '\r'
  xdotool keydown Return
  sleep 0.5
  xdotool keyup Return
}

# Two files with blanks and non-ASCII in their names, dragged from an X
# program onto the list.
first="$work/with blank ü.pdf" second="$work/zwei ß.pdf"
touch "$first" "$second"
drop "$first" "$second"
sleep 1
kill $dragging
if command -v import >/dev/null; then
  import -window root "$shots/ordanex-windows.png" && echo "screenshot: $shots/ordanex-windows.png"
fi

dos() { winepath -w "$1" 2>/dev/null; }
# A value in a box's text reads left to right between these (LRI, PDI).
lri=$(printf '\342\201\246') pdi=$(printf '\342\201\251')
# Waits for the recorder, and compares the command it was started with to
# the tool, the given files in their order and the destination.
#   recorded WHY_NONE FILE...
recorded() {
  local why=$1 expected="\"$(dos "$folder")\\pdftk.exe\"" file recorded
  shift
  for file in "$@"; do expected+=" \"$(dos "$file")\""; done
  expected+=" output \"$(dos "$work")\\with blank ü_Out.pdf\""
  # The code page's view is the same line.
  expected+="
in the code page: $expected
shown in a console; input to the console, output to the console, errors to a file"
  for _ in $(seq 100); do
    [ -s "$folder/pdftk.exe.txt" ] && break
    sleep 0.2
  done
  [ -s "$folder/pdftk.exe.txt" ] || fail "Enter started no pdftk.exe: $why"
  recorded=$(iconv -f UTF-16LE -t UTF-8 "$folder/pdftk.exe.txt")
  rm -f "$folder/pdftk.exe.txt"
  echo "recorded: $recorded"
  [ "$recorded" = "$expected" ] || fail "expected: $expected"
}

xdotool windowactivate --sync "$window" key Return
recorded "the drop did not reach the list, or Merge failed" "$first" "$second"
echo "windows-exe: the drop reached the list, and Merge started pdftk.exe with the exact command"

# Two more files, copied by an X program that owns the clipboard with a
# text/uri-list, its lines ended by CRLF, as file managers do: wine hands
# them on as a file drop, and Ctrl+V in the list adds them.
third="$work/drei.pdf" fourth="$work/vier ö.pdf"
touch "$third" "$fourth"
printf 'file://%s\r\nfile://%s\r\n' "$third" "$(sed 's/ /%20/g; s/ö/%C3%B6/g' <<<"$fourth")" |
  xclip -selection clipboard -t text/uri-list -i
xdotool windowactivate --sync "$window" key ctrl+v
sleep 1
xdotool key Return
recorded "Ctrl+V added nothing" "$first" "$second" "$third" "$fourth"
echo "windows-exe: the pasted files reached the list, and Merge started pdftk.exe with the exact command"

# A name that the code page (1252 here) holds, and one that it lacks, which
# Windows would hand to pdftk as "Lódz.pdf": refused, and named.
fifth="$work/Überblick – Teil 2.pdf" lacking="$work/Łódź.pdf"
touch "$fifth" "$lacking"
printf 'file://%s\r\nfile://%s\r\n' "$(sed 's/ /%20/g; s/Ü/%C3%9C/; s/–/%E2%80%93/' <<<"$fifth")" \
  "$(sed 's/Ł/%C5%81/; s/ó/%C3%B3/; s/ź/%C5%BA/' <<<"$lacking")" | xclip -selection clipboard -t text/uri-list -i
xdotool windowactivate --sync "$window" key ctrl+v
sleep 1
xdotool key Return
said=$(said_in_box) || fail "a name that the code page lacks was not refused with a box"
[ -e "$folder/pdftk.exe.txt" ] && fail "pdftk.exe was started with a name that the code page lacks"
echo "the box: $said"
[[ $said == *"pdftk on Windows cannot read the name \"$lri$(dos "$lacking")$pdi\": some of its characters are not in this system's code page."* ]] \
  || fail "the box does not name the file that the code page lacks"
# Removed from the list, the other names go through as they are.
xdotool windowactivate --sync "$window" key End Delete Return
recorded "the name that the code page holds was refused" "$first" "$second" "$third" "$fourth" "$fifth"
echo "windows-exe: a name that the code page lacks was refused and named; one that it holds reached the tool unchanged"

# The tool fails, with a status, and more error output than is read, ending
# in a line of its own: a box tells the status, that line and that the file
# at the destination is the earlier merge's. Ctrl+C copies a Windows message
# box's text.
printf '0 3 Error: made to fail\n' >"$folder/pdftk.exe.fail"
xdotool windowactivate --sync "$window" key Return
recorded "Enter started nothing" "$first" "$second" "$third" "$fourth" "$fifth"
said=$(said_in_box) || fail "a merge that failed showed no box"
echo "the box: $said"
expected="The merge into \"$lri$(dos "$work")\\with blank ü_Out.pdf$pdi\" failed: pdftk ended with status ${lri}3$pdi.

pdftk said:
${lri}Error: made to fail$pdi

The file at the destination is the one that was there before, unchanged: it is not the result of this merge."
[[ $said == *"$expected"* ]] || fail "the box does not say so"
echo "windows-exe: a merge that failed was told, with its status and its words"

# A pdftk.exe copied without the DLL it needs: Windows ends it with
# 0xC0000135, which the box gives as Windows writes it.
cp "$(dirname "$recorder")/missing_dll.exe" "$folder/pdftk.exe"
xdotool windowactivate --sync "$window" key Return
said=$(said_in_box) || fail "a tool without its DLL showed no box"
echo "the box: $said"
[[ $said == *"failed: pdftk ended with status ${lri}0xC0000135$pdi"* ]] || fail "the box does not give the status as Windows writes it"
cp "$recorder" "$folder/pdftk.exe"
echo "windows-exe: a tool without its DLL was told by the system's code"

# Closed while a merge runs: Ordanex.exe ends at once, and the merge runs on.
# The tool's console has the focus now.
printf '3000 0\n' >"$folder/pdftk.exe.fail"
xdotool windowactivate --sync "$window" key Return
sleep 0.5
xdotool windowactivate --sync "$window" key alt+F4
for _ in $(seq 50); do pgrep -f 'Ordanex\.exe' >/dev/null || break; sleep 0.1; done
pgrep -f 'Ordanex\.exe' >/dev/null && fail "closing the window did not end Ordanex.exe"
[ -e "$folder/pdftk.exe.txt" ] && fail "the merge ended before the window was closed: nothing was proven"
recorded "the merge did not run to its end" "$first" "$second" "$third" "$fourth" "$fifth"
rm -f "$folder/pdftk.exe" "$folder/pdftk.exe.fail"
echo "windows-exe: closing the window ended Ordanex.exe, and the merge ran to its end"
temp=$(winepath -u "$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')" 2>/dev/null)
wineserver -w
left=$(find "$temp" -maxdepth 1 -name 'odx*.tmp')
[ -z "$left" ] || fail "the files for the tool's error output were left behind: $left"
echo "windows-exe: no file for the tool's error output was left in $temp"

# A drop of one file more than the list holds, onto a new window: the drag
# has ended, back in the file manager, while the box that names the file
# left out is still open.
wine "$folder/Ordanex.exe" >/dev/null 2>&1 &
window=$(find_window '^Ordanex$')
[ -n "$window" ] || fail "Ordanex.exe did not start again"
read -r x y _ <<<"$(place "$window")"
# Wine takes no drop of much more than a megabyte of names: a short one.
touch "$work/x.pdf"
drop --times 32768 "$work/x.pdf"
box=$(find_box Ordanex)
if [ -z "$box" ]; then
  command -v import >/dev/null && import -window root "$shots/no-box.png"
  fail "a drop over the limit showed no box (the screen: $shots/no-box.png)"
fi
grep -qx "drag ended" "$work/drag.log" || fail "the drop did not return while its box was open"
xdotool windowactivate --sync "$box" key Return
xdotool windowactivate --sync "$window" key alt+F4
echo "windows-exe: a drop over the limit returned to the file manager before its box showed"
