#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Ordanex and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
cmake -S . -B build/app -DCMAKE_BUILD_TYPE=Release -DORDANEX_TESTS=OFF -DORDANEX_BENCHMARKS=OFF
cmake --build build/app --parallel 2 --target ordanex
exec build/app/app/ordanex
