#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Files copied by another X program, which owns the clipboard with a
# text/uri-list as file managers do, reach the list with Ctrl+V, and Enter
# merges them with the real pdftk, in their order and with every name
# passed whole; the clipboard is left as it was. The program was moved to
# another folder while it ran, and finds pdftk in the new one; its window
# is closed while the merge runs, which ends the program at once and lets
# the merge finish. The program is started with a file left open and
# signals ignored, as nohup and a shell's & leave them: pdftk gets neither.
# Runs under an X server with a window manager.
#   tests/x-clipboard.sh PROGRAM DATA_FOLDER
set -uo pipefail
program=$1 data=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "x-clipboard: $*"; exit 1; }
openbox --startup "touch $work/ready" >/dev/null 2>&1 &
until [ -e "$work/ready" ]; do sleep 0.05; done
cp "$data/two-pages.pdf" "$work/with blank.pdf"
# A name that a command split at its quotes would turn into an output.
cp "$data/one-page.pdf" "$work/zwei ß\" output \"victim.pdf"
# Its lines ended by CRLF, as file managers write it.
list=$(printf 'file://%s\r\nfile://%s\r\n' "$work/with%20blank.pdf" "$work/zwei%20%C3%9F%22%20output%20%22victim.pdf")
printf '%s' "$list" | xclip -selection clipboard -t text/uri-list -i
mkdir "$work/first"
cp "$program" "$work/first/ordanex"
exec 9</dev/null
env --ignore-signal=HUP "$work/first/ordanex" >/dev/null 2>&1 &
ordanex=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ordanex$' | head -n 1)
[ -n "$window" ] || fail "showed no window"
xdotool windowactivate --sync "$window" key ctrl+v
sleep 1
# No pdftk in the first folder: Enter is told so, and Enter closes the box.
xdotool key Return
sleep 1
xdotool key Return
# Only the new folder holds pdftk: the real one, slowed down so that the
# window is closed while it runs, once it has written down its open files
# (and ls its folder) and its blocked and ignored signals.
mv "$work/first" "$work/moved"
printf '#!/bin/sh\n{ ls /proc/self/fd; grep "^Sig[BI]" /proc/self/status | cut -f2; } | tr "\\n" " " >"%s"\nsleep 2\nexec "%s" "$@"\n' \
  "$work/seen" "$(readlink -f "$(dirname "$program")/pdftk")" >"$work/moved/pdftk"
chmod +x "$work/moved/pdftk"
sleep 0.5
xdotool key Return
sleep 0.5
pgrep -f -- "$work/moved/pdftk" >/dev/null || fail "Enter started no pdftk from the folder the program was moved to"
xdotool key alt+F4
timeout 5 tail --pid=$ordanex -f /dev/null || fail "closing the window while a merge ran did not end the program"
out="$work/with blank_Out.pdf"
for _ in $(seq 100); do
  pages=$(pdfinfo "$out" 2>/dev/null | sed -n 's/^Pages: *//p')
  [ "$pages" = 3 ] && break
  sleep 0.2
done
[ "$pages" = 3 ] || fail "Ctrl+V and Enter made no merge of the two copied files ($out: ${pages:-none} pages)"
sizes=$(pdfinfo -l 3 "$out" | sed -n 's/^Page *[0-9] size: *//p' | tr '\n' ,)
[ "$sizes" = "201 x 300 pts,202 x 300 pts,101 x 300 pts," ] || fail "the pages are not in the list's order: $sizes"
[ "$(xclip -selection clipboard -t text/uri-list -o)" = "$list" ] || fail "the clipboard was changed"
# The real-time signals above the first 31 are the C library's own.
read -r -a seen <"$work/seen"
[ "${seen[*]:0:4}" = "0 1 2 3" ] && [ ${#seen[@]} = 6 ] && (( ((0x${seen[4]} | 0x${seen[5]}) & 0x7fffffff) == 0 )) \
  || fail "pdftk was handed more than its three standard streams, or signals not as a new program has them: ${seen[*]}"
left="$work/(first|moved|with blank)"
for _ in $(seq 50); do pgrep -f -- "$left" >/dev/null || break; sleep 0.2; done
pgrep -af -- "$left" && fail "the processes above were left over"
echo "x-clipboard: the copied files were pasted and merged, from the folder the program was moved to, after its window closed; the clipboard is as it was"
