#!/bin/sh
# The installed program in a real X window. Without daten.mdb only "Ladefehler" appears and the
# program ends with a failure status after Return, creating nothing; with a database the start-up
# window is followed by the main window, which closes cleanly.
# Arguments: the build folder, the source folder, the window-closing helper.
set -u
build=$1 quellen=$2 schliessen=$3
for befehl in xvfb-run xdotool; do
  command -v "$befehl" >/dev/null 2>&1 || { echo "$befehl fehlt"; exit 77; }
done
. "$quellen/tools/fenster.sh"
im_xvfb "$0" "$@"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler() {
  echo "FEHLER: $*"
  [ -n "${pid:-}" ] && { kill -0 "$pid" 2>/dev/null && echo "Das Programm läuft noch." || echo "Das Programm ist beendet."; }
  echo "Fenster: $(for w in $(xdotool search --name '.' 2>/dev/null); do printf '[%s] ' "$(xdotool getwindowname "$w")"; done)"
  exit 1
}

cmake --install "$build" --prefix "$ordner/installiert" >/dev/null || fehler "cmake --install"
bin="$ordner/installiert/bin"
desktop="$ordner/installiert/share/applications/gedenkbuch.desktop"
grep -qx "Exec=$bin/gedenkbuch" "$desktop" || fehler "Exec in $desktop"
grep -qx "Path=$bin" "$desktop" || fehler "Path in $desktop"
[ -f "$ordner/installiert/share/icons/hicolor/scalable/apps/gedenkbuch.svg" ] || fehler "Symbol fehlt"

mkdir "$ordner/leer"
cd "$ordner/leer"
"$bin/gedenkbuch" & pid=$!
meldung=$(fenster_abwarten '^Ladefehler$' 15) || fehler "kein Fenster Ladefehler"
fenster_sichtbar '^KOBALT-Merkwerk!$' && fehler "Hauptfenster trotz Ladefehler"
xdotool windowfocus --sync "$meldung" key Return
prozess_abwarten $pid 10
[ "$status" -ne 0 ] && [ "$status" -ne 999 ] || fehler "Status $status nach dem Ladefehler"
[ -z "$(ls -A)" ] || fehler "im leeren Ordner entstand: $(ls -A)"
echo "Ladefehler gezeigt, Ende mit Status $status, nichts angelegt"

mkdir "$ordner/mit"
cd "$ordner/mit"
"$bin/gedenkbuch-daten" neu >/dev/null || fehler "gedenkbuch-daten neu"
beginn=$(date +%s%N)
"$bin/gedenkbuch" & pid=$!
fenster_abwarten '^KOBALT-Merkwerk! wird gestartet$' 15 >/dev/null || fehler "kein Startfenster"
fenster_sichtbar '^KOBALT-Merkwerk!$' && fehler "Hauptfenster vor dem Startfenster"
haupt=$(fenster_abwarten '^KOBALT-Merkwerk!$' 15) || fehler "kein Hauptfenster"
dauer=$(( ($(date +%s%N) - beginn) / 1000000 ))
[ "$dauer" -ge 1900 ] && [ "$dauer" -lt 6000 ] || fehler "Hauptfenster nach $dauer ms"
fenster_sichtbar 'wird gestartet$' && fehler "Startfenster neben dem Hauptfenster"
"$schliessen" "$haupt"
prozess_abwarten $pid 10
[ "$status" -eq 0 ] || fehler "Status $status nach dem Schließen"
echo "Startfenster, nach $dauer ms das Hauptfenster; nach dem Schließen Status 0"
