#!/usr/bin/env bash
# Installs the Debian packages needed to build ZIRVO 380/1 and run its tests.
set -euo pipefail
PAKETE=(build-essential cmake g++ qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n poppler-utils)
PAKETE+=(fonts-liberation2) # Liberation Sans: what fontconfig prints for "Arial", with Arial's widths
PAKETE+=(libqt6svg6) # the SVG icon engine: the program icon built in as SVG
fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0
als_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
als_root apt-get update -qq
als_root apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
