#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDANEX_WERROR=$werror
cmake --build build/test --parallel 2
ctest --test-dir build/test --parallel 2 --output-on-failure
