#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Formats every C++ file of the project with its .clang-format.
#   scripts/format.sh           formats the files in place
#   scripts/format.sh --check   changes nothing; names the files that differ, and fails if any do
set -euo pipefail
cd "$(dirname "$0")/.."
# The project's files: git's, or, in an unpacked source archive, all but
# the builds.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi
if [ "${1:-}" != --check ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differ=()
for file in "${files[@]}"; do
  clang-format "$file" | cmp -s - "$file" || differ+=("$file")
done
[ ${#differ[@]} -eq 0 ] && { echo "all ${#files[@]} C++ files are formatted"; exit 0; }
echo "not formatted as .clang-format says (scripts/format.sh formats them): ${differ[*]}" >&2
exit 1
