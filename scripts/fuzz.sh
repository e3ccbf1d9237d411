#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one for a while.
#   scripts/fuzz.sh [SECONDS]     default 60 seconds a target
# New inputs gather in build/fuzz/corpus; a failing input is saved in
# build/fuzz/artifacts and belongs in tests/fuzz/corpus/<target>/ once fixed, so
# every later run tries it again.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

scripts/install-deps.sh fuzz
werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORDANEX_FUZZ=ON -DORDANEX_QT=OFF -DORDANEX_TESTS=OFF -DORDANEX_BENCHMARKS=OFF \
  -DORDANEX_WERROR=$werror >/dev/null
cmake --build build/fuzz --parallel 2

mkdir -p build/fuzz/artifacts
status=0
for target in entry_list merge_command destination_rule; do
  mkdir -p build/fuzz/corpus/$target
  log=build/fuzz/$target.log
  if build/fuzz/tests/fuzz/${target}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix=build/fuzz/artifacts/$target- \
       build/fuzz/corpus/$target tests/fuzz/corpus/$target >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: $runs executions in $seconds s, nothing found"
  else
    echo "fuzz $target: FAILED, see $log and build/fuzz/artifacts"; tail -n 30 "$log"; status=1
  fi
done
exit $status
