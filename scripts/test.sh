#!/usr/bin/env bash
# Installs what is needed, builds, and runs all tests (no display needed):
# first the normal build in ./build, then the sanitizer build in
# ./build-asan (scripts/test-sanitize.sh). With --ohne-sanitizer only the
# first. ZIRVO_JOBS sets how many jobs run at once (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
sanitizer=1
for a in "$@"; do
  case "$a" in
    --ohne-sanitizer) sanitizer=0 ;;
    *) echo "Unbekannte Option: $a (bekannt: --ohne-sanitizer)" >&2; exit 2 ;;
  esac
done
bash scripts/install-deps.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"${ZIRVO_JOBS:-$(nproc)}"
if [ "$sanitizer" -eq 1 ]; then
  bash scripts/test-sanitize.sh
fi
