#!/usr/bin/env bash
# Builds Vorlex with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLEX_WERROR="$werror"
cmake --build build
export QT_QPA_PLATFORM=offscreen
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
cd build
ctest --output-on-failure -j2
