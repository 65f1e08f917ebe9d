#!/usr/bin/env bash
# Configures and builds everything in ./build (Release with debug info).
# ZIRVO_JOBS sets how many compilers run at once (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIRVO_WERROR=ON >/dev/null
cmake --build build -j"${ZIRVO_JOBS:-$(nproc)}"
