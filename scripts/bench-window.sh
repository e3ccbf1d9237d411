#!/usr/bin/env bash
# Start-up time, memory and a large drop, under Xvfb, for Ordanex and for a
# minimal Qt window of the same controls. Prints medians of 10 runs.
set -euo pipefail
cd "$(dirname "$0")/.."

median() { sort -n | awk '{v[NR]=$1} END {print (v[int((NR+1)/2)]+v[int(NR/2)+1])/2}'; }

run() {
  # The two programs take turns, so drift on the machine hits both alike.
  local a="" b=""
  for _ in $(seq 10); do
    a+="$(build/release/bench/map_timer build/release/app/ordanex 2>/dev/null)"$'\n'
    b+="$(build/release/bench/map_timer build/release/bench/minimal_window 2>/dev/null)"$'\n'
  done
  a=${a%$'\n'} b=${b%$'\n'}
  echo "exec to mapped window, median of 10: Ordanex $(cut -d' ' -f1 <<<"$a" | median) ms," \
       "minimal Qt window $(cut -d' ' -f1 <<<"$b" | median) ms"
  echo "resident memory after 1 s, median of 10: Ordanex $(cut -d' ' -f2 <<<"$a" | median) KiB," \
       "minimal Qt window $(cut -d' ' -f2 <<<"$b" | median) KiB"
  build/release/bench/drop_bench 2>/dev/null | tail -n 1 | sed 's/^/32767-file drop to painted list, /'
}

if [ "${1:-}" = --under-xvfb ]; then
  run
  exit
fi

scripts/install-deps.sh bench
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --parallel 2 --target ordanex minimal_window map_timer drop_bench >/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --under-xvfb
