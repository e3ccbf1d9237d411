#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: the
# format of the C++, the translations, the size of the tests against the
# code, the normal
# build (with valgrind on the core), a second build under Address- and
# UndefinedBehaviorSanitizer, the Debian package (installed and started only
# in CI), the same build, tests and package on Debian 13 (as root only), and,
# last, so that a failure there leaves the Linux results standing, the
# Windows stage.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

werror=OFF
[ "${CI:-}" = true ] && werror=ON
section() { echo "== $* (at ${SECONDS}s)"; }

section "format of the C++"
scripts/format.sh --check

section "the licence and copyright of every file: reuse lint, with Debian 13's reuse"
# Debian 12's reuse cannot read REUSE.toml; a skip, for want of root, is
# told at the end.
scripts/debian13-test.sh reuse || [ $? = 2 ] || exit 1

section "the translations"
scripts/translations.sh check

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

section "Debian 13: the build, its tests and the package, in a Debian 13 tree"
# Its failure, like a skip, is told at the end, after the Windows stage.
debian13=passed
scripts/debian13-test.sh || { [ $? = 2 ] && debian13=skipped || debian13=failed; }

section "the Windows stage: Ordanex.exe, built and proven under wine"
scripts/windows-test.sh
case $debian13 in
  failed) section "the Debian 13 stage FAILED (see above); the other stages passed"; exit 1 ;;
  skipped) section "done, but NOT all of it: the Debian 13 stage and reuse lint were skipped, not passed" ;;
  *) section "all done" ;;
esac
