#!/usr/bin/env bash
# Two ZIRVOSP started at once on one program folder, six times: each run
# installs the pack of 200 files or waits for the other; no run ends
# incomplete, the folder ends with the pack's files and version record, and
# no temporary file (nor the lock file) is left. In the last three rounds
# the lock file cannot be opened (another user's, mode 0600; as root the
# pair runs as nobody for that) and a killed run left 250 temporary files:
# the pair locks the folder itself instead and removes them. Then one run
# started while the folder is locked says at once that it waits, and
# installs once the lock is gone.
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

# Who runs the pair with the lock file it cannot open: as root, nobody in a
# program folder of its own (root's lock file is then another user's);
# otherwise this user, whose own lock file of mode 0000 it cannot open.
als=()
fremd=ja
if [ "$(id -u)" = 0 ]; then
  if id nobody >/dev/null 2>&1; then
    als=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups env XDG_RUNTIME_DIR="$tmp/run-nobody")
    chmod 755 "$tmp"
    mkdir -m 700 "$tmp/run-nobody"
    chown nobody "$tmp/run-nobody" "$prog"
  else
    fremd=
    echo "kein Benutzer nobody: die Runden mit fremder Sperrdatei laufen ohne sie"
  fi
fi

for runde in 1 2 3 4 5 6; do
  # The installation as it was before the pack.
  echo "9.0.0.1" >"$prog/ZIRVO3801.version"
  rm -f "$prog"/Datei*.dat
  wer=()
  if [ "$runde" -gt 3 ] && [ -n "$fremd" ]; then
    wer=("${als[@]}")
    : >"$prog/.ZIRVOSP.sperre"
    chmod "$([ "$(id -u)" = 0 ] && echo 600 || echo 000)" "$prog/.ZIRVOSP.sperre"
    for i in $(seq 100 349); do echo Rest >"$prog/.ZIRVOSP.Datei$i.dat.Ab${i}x"; done
  fi
  "${wer[@]}" "$sp/ZIRVOSP" --ziel "$tmp/stick" --ja 2>"$tmp/a.log" & a=$!
  "${wer[@]}" "$sp/ZIRVOSP" --ziel "$tmp/stick" --ja 2>"$tmp/b.log" & b=$!
  for lauf in a b; do
    status=0
    wait "${!lauf}" || status=$?
    [ "$status" = 0 ] || fehler "Runde $runde, Lauf $lauf: Status $status: $(cat "$tmp/$lauf.log")"
    if grep -q "unvollständig" "$tmp/$lauf.log"; then fehler "Runde $runde, Lauf $lauf: $(cat "$tmp/$lauf.log")"; fi
  done
  [ "$(cat "$prog/ZIRVO3801.version")" = "9.0.0.2" ] || fehler "Runde $runde: Versionssatz $(cat "$prog/ZIRVO3801.version")"
  (cd "$prog" && sha256sum --quiet -c "$tmp/pruefsummen") || fehler "Runde $runde: Dateien nicht installiert"
  # The lock file it could not open stays; nothing else hidden does.
  if ls -A "$prog" | grep -v '^\.ZIRVOSP\.sperre$' | grep -q '^\.'; then
    fehler "Runde $runde: Reste im Programmordner: $(ls -A "$prog" | grep '^\.' | head -5) ($(ls -A "$prog" | grep -c '^\.'))"
  fi
  rm -f "$prog/.ZIRVOSP.sperre"
done

# Another installer holds the folder: the run says at once, once, that it
# waits, and installs when the folder is free again.
echo "9.0.0.1" >"$prog/ZIRVO3801.version"
exec 9<"$prog"
flock 9
"$sp/ZIRVOSP" --ziel "$tmp/stick" --ja 2>"$tmp/w.log" 9<&- & w=$!
for _ in $(seq 50); do
  grep -q "installiert gerade ein anderes Service Pack" "$tmp/w.log" && break
  sleep 0.1
done
grep -q "installiert gerade ein anderes Service Pack" "$tmp/w.log" || fehler "Warten nicht gemeldet: $(cat "$tmp/w.log")"
kill -0 "$w" 2>/dev/null || fehler "Der wartende Lauf hat geendet: $(cat "$tmp/w.log")"
[ "$(cat "$prog/ZIRVO3801.version")" = "9.0.0.1" ] || fehler "Installiert, während der Ordner gesperrt war"
exec 9<&-
status=0
wait "$w" || status=$?
[ "$status" = 0 ] || fehler "Lauf nach dem Warten: Status $status: $(cat "$tmp/w.log")"
[ "$(grep -c "installiert gerade ein anderes Service Pack" "$tmp/w.log")" = 1 ] || fehler "Warten mehrfach gemeldet: $(cat "$tmp/w.log")"
[ "$(cat "$prog/ZIRVO3801.version")" = "9.0.0.2" ] || fehler "Nach dem Warten nicht installiert"
echo "6 Paare gleichzeitiger Installationen und ein wartender Lauf geprüft"
