#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's window is native on Wayland, with its title, and with the
# app id that ties it to its desktop entry and icon, with nothing but a
# Wayland display to go by. Runs the given command under a headless weston.
#   tests/wayland.sh COMMAND...
runtime=$(mktemp -d)
trap 'kill $weston 2>/dev/null; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=ordanex-test --idle-time=0 >/dev/null 2>&1 &
weston=$!
tries=0
until [ -S "$runtime/ordanex-test" ]; do
  tries=$((tries + 1))
  [ $tries -le 100 ] || { echo "weston did not start"; exit 1; }
  sleep 0.1
done
said=$(timeout 5 env -i PATH="$PATH" XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=ordanex-test \
  WAYLAND_DEBUG=1 "$@" 2>&1 | grep -E 'xdg_toplevel[@#][0-9]+\.set_(title|app_id)' | sort -u)
echo "under weston:" $said
echo "$said" | grep -qF 'set_title("Ordanex")' && echo "$said" | grep -qF 'set_app_id("org.ordanex.Ordanex")'
