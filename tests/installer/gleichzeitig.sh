#!/usr/bin/env bash
# Two ZIRVOSP started at once on one program folder, six times: each run
# installs the pack of 200 files or waits for the other; no run ends
# incomplete, the folder ends with the pack's files and version record, and
# no temporary file (nor the lock file) is left.
#   gleichzeitig.sh ZIRVOSP
set -euo pipefail
zirvosp=$1
# In memory where there is such a file system: the flushes to disk cost
# nothing there.
tmp=$(mktemp -d -p "$( [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")")
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
sp=$tmp/servicepack
prog=$tmp/stick/ZIRVO-V9
mkdir -p "$sp" "$prog"
cp "$zirvosp" "$sp/ZIRVOSP"
# 199 files and the version record.
head -c 995000 /dev/urandom | split -b 5000 -d -a 3 --additional-suffix=.dat - "$sp/Datei"
echo "9.0.0.2" >"$sp/ZIRVO3801.version"
(cd "$sp" && sha256sum Datei*.dat >"$tmp/pruefsummen")
[ "$(wc -l <"$tmp/pruefsummen")" = 199 ] || fehler "Paket unvollständig"
echo "altes Programm" >"$prog/ZIRVO3801"

for runde in 1 2 3 4 5 6; do
  # The installation as it was before the pack.
  echo "9.0.0.1" >"$prog/ZIRVO3801.version"
  rm -f "$prog"/Datei*.dat
  "$sp/ZIRVOSP" --ziel "$tmp/stick" --ja 2>"$tmp/a.log" & a=$!
  "$sp/ZIRVOSP" --ziel "$tmp/stick" --ja 2>"$tmp/b.log" & b=$!
  for lauf in a b; do
    status=0
    wait "${!lauf}" || status=$?
    [ "$status" = 0 ] || fehler "Runde $runde, Lauf $lauf: Status $status: $(cat "$tmp/$lauf.log")"
    if grep -q "unvollständig" "$tmp/$lauf.log"; then fehler "Runde $runde, Lauf $lauf: $(cat "$tmp/$lauf.log")"; fi
  done
  [ "$(cat "$prog/ZIRVO3801.version")" = "9.0.0.2" ] || fehler "Runde $runde: Versionssatz $(cat "$prog/ZIRVO3801.version")"
  (cd "$prog" && sha256sum --quiet -c "$tmp/pruefsummen") || fehler "Runde $runde: Dateien nicht installiert"
  if ls -A "$prog" | grep -q '^\.'; then fehler "Runde $runde: Reste im Programmordner: $(ls -A "$prog" | grep '^\.')"; fi
done
echo "6 Paare gleichzeitiger Installationen geprüft"
