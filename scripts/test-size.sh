#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tests should catch faults, not restate the code: the C++ under tests/ is
# held to a third of the C++ in core/, ui/ and app/, and fails above 40 %.
set -euo pipefail
cd "$(dirname "$0")/.."
# The project's files: git's, or, in an unpacked source archive, those there.
files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then git ls-files -- "$@"; else find "$@" -type f; fi
}
lines() { files "$@" | grep -E '\.(cpp|h)$' | xargs -r cat | grep -cv '^\s*$'; }
code=$(lines core ui app) tests=$(lines tests)
percent=$((100 * tests / code))
echo "non-blank C++ lines: code $code, tests $tests: tests are $percent % of the code (aim 25-33 %)"
[ "$percent" -le 40 ]
