#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program in a real X window. Without daten.mdb only "Ladefehler" appears and the
# program ends with a failure status after Return, creating nothing; with a database the start-up
# window is followed by the main window, which closes cleanly. The menu start makes the data folder
# and runs the program there; a second menu start brings that window back on top of another
# folder's and ends; a data folder that cannot be made is reported in a message box.
# Arguments: the build folder, the source folder, the window-closing helper.
set -u
build=$1 quellen=$2 schliessen=$3
for befehl in xvfb-run xdotool; do
  command -v "$befehl" >/dev/null 2>&1 || { echo "$befehl fehlt"; exit 77; }
done
. "$quellen/scripts/fenster.sh"
im_xvfb "$0" "$@"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
# Lock files and sockets of this test's programs stay among themselves.
export XDG_RUNTIME_DIR="$ordner/laufzeit"
mkdir -m 700 "$XDG_RUNTIME_DIR"
fehler() {
  echo "FEHLER: $*"
  [ -n "${pid:-}" ] && { kill -0 "$pid" 2>/dev/null && echo "Das Programm läuft noch." || echo "Das Programm ist beendet."; }
  echo "Fenster: $(for w in $(xdotool search --name '.' 2>/dev/null); do printf '[%s] ' "$(xdotool getwindowname "$w")"; done)"
  exit 1
}

cmake --install "$build" --prefix "$ordner/installiert" >/dev/null || fehler "cmake --install"
bin="$ordner/installiert/bin"
share="$ordner/installiert/share"
desktop="$share/applications/gedenkbuch.desktop"
for zeile in Exec=gedenkbuch-starten TryExec=gedenkbuch-starten StartupWMClass=gedenkbuch Icon=gedenkbuch; do
  grep -qx "$zeile" "$desktop" || fehler "$zeile fehlt in $desktop"
done
for datei in bin/gedenkbuch-starten share/icons/hicolor/scalable/apps/gedenkbuch.svg share/man/man1/gedenkbuch.1.gz \
             share/man/man1/gedenkbuch-daten.1.gz share/man/man1/gedenkbuch-starten.1.gz share/doc/gedenkbuch/copyright; do
  [ -f "$ordner/installiert/$datei" ] || fehler "$datei fehlt"
done
ls "$share"/metainfo/*.metainfo.xml >/dev/null 2>&1 || fehler "Metainfo fehlt"

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
# The start-up window stands its 2000 ms; above, only a hang counts: a sanitized build on a busy
# machine takes seconds just to start.
[ "$dauer" -ge 1900 ] && [ "$dauer" -lt 15000 ] || fehler "Hauptfenster nach $dauer ms"
fenster_sichtbar 'wird gestartet$' && fehler "Startfenster neben dem Hauptfenster"
"$schliessen" "$haupt"
prozess_abwarten $pid 10
[ "$status" -eq 0 ] || fehler "Status $status nach dem Schließen"
echo "Startfenster, nach $dauer ms das Hauptfenster; nach dem Schließen Status 0"

# The window under the pointer, which stands in the middle of the first main window.
oben() {
  xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'
}
export XDG_DATA_HOME="$ordner/xdg"
"$bin/gedenkbuch-starten" & pid=$!
haupt=$(fenster_abwarten '^KOBALT-Merkwerk!$' 15) || fehler "kein Hauptfenster nach gedenkbuch-starten"
[ "$(stat -c %a "$XDG_DATA_HOME/gedenkbuch") $(stat -c %a "$XDG_DATA_HOME/gedenkbuch/daten.mdb")" = "700 600" ] ||
  fehler "Datenordner: $(ls -la "$XDG_DATA_HOME/gedenkbuch")"
xdotool search --onlyvisible --class '^gedenkbuch$' | grep -qx "$haupt" || fehler "Fensterklasse nicht gedenkbuch"
cd "$ordner/mit"
"$bin/gedenkbuch" & pid2=$!
ende=$(( $(date +%s) + 15 ))
until [ "$(xdotool search --onlyvisible --name '^KOBALT-Merkwerk!$' | wc -l)" -eq 2 ]; do
  [ "$(date +%s)" -le "$ende" ] || fehler "kein zweites Hauptfenster für einen anderen Ordner"
  sleep 0.1
done
xdotool mousemove --window "$haupt" 300 300
[ "$(oben)" != "$haupt" ] || fehler "das Fenster des anderen Ordners liegt nicht oben"
cd "$ordner"
"$bin/gedenkbuch-starten" & pid3=$!
prozess_abwarten $pid3 10
[ "$status" -eq 0 ] || fehler "Status $status beim zweiten Start aus dem Menü"
sleep 0.5
[ "$(oben)" = "$haupt" ] || fehler "das Fenster kam nicht nach vorn"
[ "$(xdotool search --onlyvisible --name '^KOBALT-Merkwerk!$' | wc -l)" -eq 2 ] || fehler "ein drittes Hauptfenster"
for w in $(xdotool search --onlyvisible --name '^KOBALT-Merkwerk!$'); do "$schliessen" "$w"; done
prozess_abwarten $pid 10 && prozess_abwarten $pid2 10 || fehler "nach dem Schließen läuft noch ein Programm"
echo "Menüstart: Datenordner 700, daten.mdb 600, Klasse gedenkbuch; der zweite Start holt sein Fenster nach vorn"

touch "$ordner/datei"
XDG_DATA_HOME="$ordner/datei" "$bin/gedenkbuch-starten" & pid=$!
meldung=$(fenster_abwarten '^Startfehler$' 15) || fehler "kein Fenster Startfehler"
xdotool windowfocus --sync "$meldung" key Return
prozess_abwarten $pid 10
[ "$status" -ne 0 ] && [ "$status" -ne 999 ] || fehler "Status $status nach dem Startfehler"
echo "Startfehler gemeldet, Ende mit Status $status"
