#!/usr/bin/env bash
# Installs what is needed, builds, and starts ZIRVO 380/1 (optionally with a project file).
set -euo pipefail
hier="$(cd "$(dirname "$0")/.." && pwd)"
bash "$hier/scripts/install-deps.sh"
bash "$hier/scripts/build.sh"
exec "$hier/build/ZIRVO3801" "$@"
