#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Keys held down on a real X server, as the X test extension holds them: the
# server repeats them as a release and a press at the same time. Enter and
# Alt+M held start one merge, and the box of a merge that fails at once, or
# the question whether to replace a file, is still open after the release;
# Delete and Alt+D held go on repeating. Runs under an X server.
#   tests/held-keys.sh PROGRAM
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "held-keys: $*"; exit 1; }
openbox --startup "touch $work/ready" >/dev/null 2>&1 &
until [ -e "$work/ready" ]; do sleep 0.05; done
# A pdftk that writes down each start and fails at once.
mkdir "$work/app"
cp "$program" "$work/app/ordanex"
printf '#!/bin/sh\necho "$*" >>"%s"\necho "Error: made to fail" >&2\nexit 1\n' "$work/starts" >"$work/app/pdftk"
chmod +x "$work/app/pdftk"
touch "$work/starts"
for i in $(seq -w 40); do
  touch "$work/f$i.pdf"
  printf 'file://%s\r\n' "$work/f$i.pdf"
done | xclip -selection clipboard -t text/uri-list -i
"$work/app/ordanex" >/dev/null 2>&1 &
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Ordanex$' | head -n 1)
[ -n "$window" ] || fail "showed no window"
xdotool windowactivate --sync "$window" key ctrl+v
sleep 1
windows() { xdotool search --onlyvisible --name '^Ordanex$' 2>/dev/null | wc -l; }
starts() { wc -l <"$work/starts"; }
# Holds KEY for SECONDS; then the box it brought must be open, and Return
# or Escape, pressed afresh, closes it.
#   hold KEY SECONDS STARTS CLOSE
hold() {
  # A press while the focus moves reaches no window.
  for _ in $(seq 100); do [ "$(xdotool getactivewindow)" = "$window" ] && break; sleep 0.05; done
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
  sleep 0.5
  [ "$(starts)" = "$3" ] || fail "$1 held for $2 s started $(starts) merges in all, not $3"
  [ "$(windows)" = 2 ] || fail "$1 held for $2 s left no box open after its release"
  xdotool key "$4"
  sleep 0.5
  [ "$(windows)" = 1 ] || fail "$4, pressed afresh, did not close the box"
}
hold Return 2 1 Return
hold alt+m 2 2 Return
# Delete held removes entry after entry, from the first; Alt+D held moves
# the one then selected far down the list.
xdotool key Down Home
for key in Delete alt+d; do
  xdotool keydown $key
  sleep 1.5
  xdotool keyup $key
done
sleep 0.3
xdotool key Return
sleep 0.5
read -r -a last < <(tail -n 1 "$work/starts")
inputs=$((${#last[@]} - 2))
[ "$inputs" -lt 35 ] || fail "Delete held removed $((40 - inputs)) entries: it did not repeat"
moved=$(for i in "${!last[@]}"; do [[ ${last[$i]} == */$(printf 'f%02d' $((41 - inputs))).pdf ]] && echo "$i"; done)
[ "${moved:-0}" -gt 4 ] || fail "Alt+D held moved the entry to place ${moved:-none} of ${last[*]}: it did not repeat"
xdotool key Return
sleep 0.5
# A file that this window did not make: the question stays.
touch "$work/f01_Out.pdf"
hold Return 2 3 Escape
echo "held-keys: Enter and Alt+M held started one merge each, and their boxes and the question stayed open; Delete and Alt+D held repeated"
