#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time, memory and a large drop, under Xvfb, for Ordanex against a
# minimal Qt window of the same controls, and how soon a failed merge is
# told. The two take turns, so drift on the machine hits both alike; each
# round is the median of 9 starts of each, and the ratios are the medians
# over the rounds.
#   scripts/bench-window.sh [ROUNDS]     default 5
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}

median() { sort -g | awk '{v[NR]=$1} END {print (v[int((NR+1)/2)]+v[int(NR/2)+1])/2}'; }

run() {
  local bin=build/release ratios_ms="" ratios_kib=""
  for round in $(seq "$rounds"); do
    local a="" b=""
    for _ in $(seq 9); do
      a+="$($bin/bench/map_timer $bin/app/ordanex 2>/dev/null)"$'\n'
      b+="$($bin/bench/map_timer $bin/bench/minimal_window 2>/dev/null)"$'\n'
    done
    local ms=$(cut -d' ' -f1 <<<"${a%$'\n'}" | median) kib=$(cut -d' ' -f2 <<<"${a%$'\n'}" | median)
    local ms0=$(cut -d' ' -f1 <<<"${b%$'\n'}" | median) kib0=$(cut -d' ' -f2 <<<"${b%$'\n'}" | median)
    echo "round $round: exec to mapped window Ordanex $ms ms, minimal $ms0 ms;" \
         "resident after 1 s Ordanex $kib KiB, minimal $kib0 KiB"
    ratios_ms+="$(awk "BEGIN {print $ms / $ms0}")"$'\n'
    ratios_kib+="$(awk "BEGIN {print $kib - $kib0}")"$'\n'
  done
  echo "median start-up ratio Ordanex / minimal: $(median <<<"${ratios_ms%$'\n'}") (target at most 1.05)"
  echo "median extra memory: $(median <<<"${ratios_kib%$'\n'}") KiB (target at most 1024)"

  # Qt's image readers and icon engines have no business at start-up.
  $bin/app/ordanex 2>/dev/null & local program=$!
  sleep 1
  local plugins=$(grep -oE 'plugins/(imageformats|iconengines)/[^ ]+' /proc/$program/maps | sort -u || true)
  kill $program
  echo "image or icon plugins mapped at start-up: ${plugins:-none}"

  $bin/bench/drop_bench 2>/dev/null | tail -n 1 | sed 's/^/32767-file drop to painted list, /'
  $bin/bench/merge_end_bench 2>/dev/null | tail -n 1
  [ -z "$plugins" ]
}

if [ "${1:-}" = --under-xvfb ]; then
  rounds=$2
  run
  exit
fi

scripts/install-deps.sh bench
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --parallel 2 --target ordanex translations minimal_window map_timer drop_bench \
  merge_end_bench >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --under-xvfb "$rounds"
