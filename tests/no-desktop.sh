#!/bin/sh
# Wherever no desktop can be reached, the program says so and ends with
# status 1; it never aborts.
program=$1 failed=0
for setting in "" WAYLAND_DISPLAY=nowhere DISPLAY=:4321 QT_QPA_PLATFORM=xcb; do
  output=$(env -i PATH="$PATH" $setting "$program" 2>&1)
  status=$?
  case "$status $output" in
    "1 "*"Ordanex needs a desktop (X11 or Wayland), and none could be reached."*) ;;
    *) echo "with '$setting': status $status, said: $output"; failed=1 ;;
  esac
done
exit $failed
