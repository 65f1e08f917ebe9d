#!/usr/bin/env bash
# Installs the Debian packages needed to build ZIRVO 380/1 and run its tests.
set -euo pipefail
PAKETE=(build-essential cmake g++ qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n poppler-utils)
PAKETE+=(fonts-liberation2 fonts-dejavu-core) # Liberation Sans: built into the program for "Arial", with Arial's widths; DejaVu: what a bare system prints with (the sanitizer pass)
PAKETE+=(fonts-freefont-ttf fonts-crosextra-caladea) # FreeSans, FreeSerif and Caladea: faces of the print tests (FreeSans's brackets fill its line; the serif faces' fixed report texts are each printed legibly or refused)
PAKETE+=(fonts-dejavu-extra) # DejaVu Sans Condensed: a face of the print tests, and the longer family a typed "DejaVu Sans" must not become
PAKETE+=(fonts-urw-base35) # Standard Symbols PS and D050000L: faces without letters of their own, which the set-up dialog refuses; Nimbus faces under two foundries, listed once
PAKETE+=(libqt6svg6) # the SVG icon engine: the program icon built in as SVG
PAKETE+=(libcups2-dev) # CUPS itself: whether a queue takes jobs, and CUPS's answer to a job (Qt reports neither)
PAKETE+=(cups-daemon cups-client) # the tests' own CUPS server (cupsd, lpadmin, cupsreject), started in a temporary folder
PAKETE+=(libssl-dev) # OpenSSL's SHA-256: the hash by which a file names the copy of its old content
PAKETE+=(locales) # a regional setting of its own for the number-format test (de_CH.UTF-8, made below)
fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
als_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if [ ${#fehlend[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  als_root apt-get update -qq
  als_root apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
# The number-format tests read a Swiss regional setting as the system has it.
if ! locale -a 2>/dev/null | grep -qix 'de_CH.utf8'; then
  als_root localedef -i de_CH -c -f UTF-8 de_CH.UTF-8
fi
