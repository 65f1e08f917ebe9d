#!/usr/bin/env bash
# Configures and builds everything in ./build (Release with debug info).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIRVO_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
