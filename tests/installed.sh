#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program, started from its desktop entry's Exec line: under
# Xvfb, with a session bus of its own as a desktop gives it, it shows its
# window with title, class and icons; under a headless weston its window is
# native on Wayland (tests/wayland.sh).
#   tests/installed.sh
set -uo pipefail
cd "$(dirname "$0")/.."
entry=/usr/share/applications/org.ordanex.Ordanex.desktop
exec_line=$(sed -n 's/^Exec=//p' $entry)
wm_class=$(sed -n 's/^StartupWMClass=//p' $entry)
failed=0
dbus-run-session -- xvfb-run -a bash -c '
  '"$exec_line"' & program=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Ordanex\$" | head -n 1)
  title=$(xprop -id "$window" _NET_WM_NAME)
  class=$(xprop -id "$window" WM_CLASS)
  icons=$(xprop -id "$window" _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" | sort -u | tr "\n" " ")
  kill $program
  echo "installed program: $title; $class; $icons"
  [ "$title" = "_NET_WM_NAME(UTF8_STRING) = \"Ordanex\"" ] && [[ $icons == *"32 x 32"*"48 x 48"* ]] &&
    [[ $class == *", \"'"$wm_class"'\"" ]]
' || { echo "installed: the program did not show its window with title, class and icon"; failed=1; }
tests/wayland.sh $exec_line \
  || { echo "installed: the program did not show a native Wayland window with its title and app id"; failed=1; }
exit $failed
