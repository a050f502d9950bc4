#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target morvane
exec build/release/src/app/morvane "$@"
