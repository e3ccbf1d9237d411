#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# format of the C++, the size of the tests against the code, the normal build (with valgrind on the
# core), a second build under Address- and UndefinedBehaviorSanitizer, the
# Debian package (installed and started only in CI), and, last, so that a
# failure there leaves the Linux results standing, the Windows stage.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

werror=OFF
[ "${CI:-}" = true ] && werror=ON
section() { echo "== $* (at ${SECONDS}s)"; }

section "format of the C++"
scripts/format.sh --check

section "size of the tests"
scripts/test-size.sh

section "build and test"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDANEX_WERROR=$werror
cmake --build build/test --parallel 2
ctest --test-dir build/test --parallel 2 --output-on-failure

section "build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DORDANEX_SANITIZE=ON \
  -DORDANEX_BENCHMARKS=OFF -DORDANEX_WERROR=$werror
cmake --build build/sanitize --parallel 2
ctest --test-dir build/sanitize --parallel 2 --output-on-failure

section "the Debian package"
scripts/package-test.sh

section "the Windows stage: Ordanex.exe, built and proven under wine"
scripts/windows-test.sh
section "all done"
