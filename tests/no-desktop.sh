#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Wherever no desktop can be reached, the program says so, names each
# setting it went by, and ends with status 1; it never aborts.
program=$1 failed=0
for setting in "" WAYLAND_DISPLAY=nowhere DISPLAY=:4321 QT_QPA_PLATFORM=xcb; do
  tried=""
  for name in QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY; do
    value="(unset)"
    [ "${setting%%=*}" = "$name" ] && value=${setting#*=}
    tried="$tried${tried:+, }$name=$value"
  done
  output=$(env -i PATH="$PATH" $setting "$program" 2>&1)
  status=$?
  if [ $status != 1 ] ||
     ! printf '%s\n' "$output" | grep -qxF "Ordanex needs a desktop (X11 or Wayland), and none could be reached." ||
     ! printf '%s\n' "$output" | grep -qxF "Tried with $tried."; then
    echo "with '$setting': status $status, said: $output"
    failed=1
  fi
done
exit $failed
