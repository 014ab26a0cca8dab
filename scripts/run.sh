#!/usr/bin/env bash
# Builds Vorlex and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORLEX_BENCH=OFF
cmake --build build-run --target vorlex
exec ./build-run/vorlex "$@"
