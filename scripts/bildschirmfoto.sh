#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves a PNG of the main window with a few made-up entries around today.
# Arguments: the build folder, the PNG to write.
set -eu
build=$(cd "$1" && pwd)
ziel=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
quellen=$(cd "$(dirname "$0")/.." && pwd)
. "$quellen/scripts/fenster.sh"
im_xvfb "$0" "$@"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
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

"$build/src/gedenkbuch" & pid=$!
haupt=$(fenster_abwarten '^KOBALT-Merkwerk!$' 15)
xdotool mousemove --window "$haupt" 80 168 click 1 # the first entry of today
sleep 0.5
import -window "$haupt" "$ziel"
"$build/scripts/x11-schliessen" "$haupt"
prozess_abwarten $pid 10
echo "$ziel"
