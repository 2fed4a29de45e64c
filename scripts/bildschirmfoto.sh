#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves a PNG of every window and message box of the program, with a few made-up entries around
# today: the start-up window, the main window, the dialogs for a new and a changed entry, the search
# window, the question before a delete, the messages about a taken name and an incomplete entry,
# and the one about a damaged file.
# Arguments: the build folder, the folder for the pictures.
set -eu
build=$(cd "$1" && pwd)
mkdir -p "$2"
ziel=$(cd "$2" && pwd)
quellen=$(cd "$(dirname "$0")/.." && pwd)
. "$quellen/scripts/fenster.sh"
im_xvfb "$0" "$@"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
export XDG_RUNTIME_DIR="$ordner/laufzeit"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$ordner"
"$build/tools/gedenkbuch-daten" neu >/dev/null

# One entry as a line of the tool's own CSV: name, days from today, year, remarks.
eintrag() {
  echo "$1,$(date -d "$2 days" +%-d),$(date -d "$2 days" +%-m),$3,$4"
}
{
  echo "Bezeichnung,tag,monat,jahr,Bemerkungen"
  eintrag 'Oma Erna' 0 1941 'Blumen und Kuchen mitbringen'
  eintrag 'Hochzeitstag Anna und Bernd' 0 1996 ''
  eintrag 'Jörg Müller' -1 1975 ''
  eintrag 'Namenstag Barbara' -2 '' ''
  eintrag 'Tante Käthe' 1 1950 'Anrufen!'
  eintrag 'Max' 3 2016 'Wünscht sich ein Fahrrad'
  eintrag 'Patenkind Lina' 5 2019 ''
  eintrag 'Frieda Schäfer' 12 1988 ''
  eintrag 'Klassentreffen' 40 2006 ''
  eintrag 'Umzug in die Gartenstraße' 75 2012 ''
  eintrag 'Papa' 120 1958 ''
  eintrag 'Onkel Günter' 200 1962 ''
} > beispiele.csv
"$build/tools/gedenkbuch-daten" import beispiele.csv >/dev/null

# The id of the first visible window named by the pattern that is not the main window, waiting up
# to ten seconds for it.
anderes_fenster() {
  _ende=$(( $(date +%s) + 10 ))
  while [ "$(date +%s)" -le "$_ende" ]; do
    for _id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      [ "$_id" != "${haupt:-}" ] && { echo "$_id"; return 0; }
    done
    sleep 0.1
  done
  echo "Kein Fenster $1" >&2
  return 1
}
foto() {
  sleep 0.5 # the window paints itself
  import -window "$1" "$ziel/$2.png"
  echo "$ziel/$2.png"
}
# A click at a place of a window, in its pixels.
klick() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
tippen() {
  xdotool windowfocus --sync "$1" type --delay 20 "$2"
}
taste() {
  xdotool windowfocus --sync "$1" key "$2"
  sleep 0.3
}

"$build/src/gedenkbuch" & pid=$!
foto "$(fenster_abwarten 'wird gestartet$' 15)" startfenster
haupt=$(fenster_abwarten '^KOBALT-Merkwerk!$' 15)
klick "$haupt" 80 172 # the first entry of today
foto "$haupt" hauptfenster

klick "$haupt" 545 568 # Löschen
frage=$(anderes_fenster '^Sicherheitsfrage$')
foto "$frage" meldung-loeschen
taste "$frage" Escape # Nein

klick "$haupt" 633 568 # Ändern
dialog=$(anderes_fenster '^KOBALT-Merkwerk!$')
foto "$dialog" eintrag-aendern
klick "$dialog" 404 440 # Abbrechen

klick "$haupt" 454 568 # neuer Eintrag
dialog=$(anderes_fenster '^KOBALT-Merkwerk!$')
klick "$dialog" 66 60
tippen "$dialog" 'Oma Erna'
klick "$dialog" 183 117 # 5
klick "$dialog" 150 200 # März
tippen "$dialog" 1941
klick "$dialog" 100 360
tippen "$dialog" 'Mit der ganzen Familie'
foto "$dialog" eintrag-neu
klick "$dialog" 284 440 # Speichern: the name is taken
meldung=$(anderes_fenster '^Fehler$')
foto "$meldung" meldung-doppelt
taste "$meldung" Return
klick "$dialog" 66 60
taste "$dialog" ctrl+a
taste "$dialog" BackSpace
klick "$dialog" 284 440 # Speichern without a name
meldung=$(anderes_fenster '^Unvollst')
foto "$meldung" meldung-unvollstaendig
taste "$meldung" Return
klick "$dialog" 404 440 # Abbrechen

klick "$haupt" 721 568 # Suchen
dialog=$(anderes_fenster '^KOBALT-Merkwerk!$')
tippen "$dialog" 'a'
taste "$dialog" Return
foto "$dialog" suche
taste "$dialog" Escape

"$build/scripts/x11-schliessen" "$haupt"
prozess_abwarten $pid 10
haupt=

# A damaged page in the middle of the file.
printf '\377\377\377\377\377\377\377\377\377\377\377\377\377\377\377\377' |
  dd of=daten.mdb bs=1 seek=$(( $(stat -c %s daten.mdb) / 2 )) conv=notrunc 2>/dev/null
"$build/src/gedenkbuch" & pid=$!
meldung=$(anderes_fenster '^Ladefehler$')
foto "$meldung" meldung-beschaedigt
taste "$meldung" Return
prozess_abwarten $pid 10 || true # the program ends with a failure status after this message
