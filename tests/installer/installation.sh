#!/usr/bin/env bash
# Installs the build into a temporary prefix, starts the installed program
# with the example project, checks that its help is found in its program
# folder, and lets the installed ZIRVOSP apply a service pack to that
# installation.
#   installation.sh BUILD_FOLDER EXAMPLE_PROJECT
set -euo pipefail
build=$1
beispiel=$2
tmp=$(mktemp -d)
pid=
aufräumen() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$tmp"
}
trap aufräumen EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

prefix=$tmp/opt
cmake --install "$build" --prefix "$prefix" >/dev/null
version=$(cat "$build/ZIRVO3801.version")
IFS=. read -r haupt neben revision nummer <<<"$version"
prog=$prefix/ZIRVO-V$haupt
for f in ZIRVO3801 ZIRVOSP ZIRVO3801.version ZIRVO3801.pip hilfe/start.html; do
  [ -f "$prog/$f" ] || fehler "$prog/$f fehlt"
done
for f in ZIRVO3801.pip hilfe; do [ ! -e "$prefix/$f" ] || fehler "$f liegt im Präfix statt in ZIRVO-V$haupt"; done
[ -x "$prog/ZIRVO3801" ] || fehler "ZIRVO3801 nicht ausführbar"
grep -q "SIL Open Font License" "$prog/LiberationSans-Lizenz.txt" || fehler "Lizenz der Druckschrift fehlt"
grep -q "Bitstream Vera" "$prog/DejaVuSans-Lizenz.txt" || fehler "Lizenz der Symbolschrift fehlt"
[ "$(readlink "$prefix/bin/ZIRVO3801")" = "../ZIRVO-V$haupt/ZIRVO3801" ] || fehler "bin/ZIRVO3801 fehlt"
desktop=$prefix/share/applications/zirvo3801.desktop
grep -qx "Exec=\"$prefix/bin/ZIRVO3801\" %f" "$desktop" || fehler "Exec in $desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$icon" ] || fehler "Icon $icon fehlt"

# The installed program starts with the example project and keeps running.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/config HOME=$tmp/home
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
"$prefix/bin/ZIRVO3801" "$beispiel" >"$tmp/start.log" 2>&1 &
pid=$!
for _ in 1 2 3 4 5 6; do
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || fehler "ZIRVO3801 hat geendet: $(cat "$tmp/start.log")"
done
[ -e "$XDG_RUNTIME_DIR/ZIRVO3801.lock" ] || fehler "ZIRVO3801 läuft ohne Sperrdatei"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# The help as the installed program finds it: the widget test starts the
# program from the folder the link leads to (the folder of the executable)
# and opens the help panel's topic and the main window's help page.
ZIRVO_INSTALLIERT=$(dirname "$(readlink -f "$prefix/bin/ZIRVO3801")") \
  "$build/zirvo_qt_tests" --gtest_filter='InstallierteHilfe.*' >"$tmp/hilfe.log" 2>&1 ||
  fehler "Hilfe des installierten Programms: $(cat "$tmp/hilfe.log")"
grep -q '\[  PASSED  \] 1 test' "$tmp/hilfe.log" || fehler "Hilfetest lief nicht: $(cat "$tmp/hilfe.log")"

# Under a file-size limit nothing it writes at start (the lock file) can
# grow: the program is not killed by the signal, it keeps running.
rm -f "$XDG_RUNTIME_DIR/ZIRVO3801.lock"
(ulimit -f 0; exec "$prefix/bin/ZIRVO3801" "$beispiel") >"$tmp/grenze.log" 2>&1 &
pid=$!
for _ in 1 2 3 4; do
  sleep 0.5
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    pid=
    fehler "ZIRVO3801 unter ulimit -f 0: Status $status: $(cat "$tmp/grenze.log")"
  fi
done
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
rm -f "$XDG_RUNTIME_DIR/ZIRVO3801.lock"

# A service pack: the installer, a new build's version record, a new file;
# hidden files, links and folders stay behind.
sp=$tmp/servicepack
mkdir -p "$sp/Ordner"
cp "$prog/ZIRVOSP" "$sp/"
echo "$haupt.$neben.$revision.$((nummer + 1))" >"$sp/ZIRVO3801.version"
echo "neu" >"$sp/Neu.txt"
echo "versteckt" >"$sp/.versteckt"
ln -s Neu.txt "$sp/Verweis.txt"

# A copy that fails midway (here at the file-size limit, a file larger than
# it): status 2, not the signal's 153; the installation stays as it was,
# without temporary files.
head -c 2000000 /dev/zero >"$sp/Gross.dat"
status=0
(ulimit -f 1000; exec "$sp/ZIRVOSP" --ziel "$prefix" --ja) 2>"$tmp/sp-grenze.log" || status=$?
[ "$status" = 2 ] || fehler "ZIRVOSP unter ulimit -f: Status $status: $(cat "$tmp/sp-grenze.log")"
grep -q "zu gross" "$tmp/sp-grenze.log" || fehler "Grund fehlt: $(cat "$tmp/sp-grenze.log")"
[ "$(cat "$prog/ZIRVO3801.version")" = "$version" ] || fehler "Versionssatz trotz Abbruch ersetzt"
for f in Neu.txt Gross.dat; do [ ! -e "$prog/$f" ] || fehler "$f trotz Abbruch installiert"; done
if ls -A "$prog" | grep -q '^\.'; then fehler "Reste im Programmordner: $(ls -A "$prog")"; fi
rm "$sp/Gross.dat"

"$sp/ZIRVOSP" --ziel "$prefix" --ja 2>"$tmp/sp.log" || fehler "ZIRVOSP: Status $?: $(cat "$tmp/sp.log")"
[ "$(cat "$prog/ZIRVO3801.version")" = "$haupt.$neben.$revision.$((nummer + 1))" ] || fehler "Versionssatz nicht ersetzt"
[ "$(cat "$prog/Neu.txt")" = "neu" ] || fehler "Neu.txt fehlt"
for f in .versteckt Verweis.txt Ordner; do [ ! -e "$prog/$f" ] || fehler "$f kopiert"; done

echo "Installation in $prefix geprüft"
