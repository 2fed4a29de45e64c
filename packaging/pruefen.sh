#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the Debian package as Debian's own tools see it: lintian, the AppStream metainfo and the menu
# entry without a finding, and manual pages that man finds in a German and in the C locale and that
# break no word, path or command at the end of a line, whatever the width of the terminal.
# Argument: the folder that holds the one package gedenkbuch_*.deb.
set -u
export LC_ALL=C.UTF-8
set -- "$1"/gedenkbuch_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FEHLER: erwartet genau ein Paket, gefunden: $*"; exit 1; }
paket=$1
inhalt=$(mktemp -d)
trap 'rm -rf "$inhalt"' EXIT
dpkg-deb -x "$paket" "$inhalt" || exit 1
befund=0
fehler() {
  echo "FEHLER: $*"
  befund=1
}

# Errors and warnings, lintian's own measure. Its infos stay: English spelling checked on German text,
# and link and strip options of the whole build (bindnow, .comment).
lintian --fail-on error,warning "$paket" || fehler "lintian hat Befunde zu $paket"

for datei in "$inhalt"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate "$datei" || fehler "appstreamcli validate hat Befunde zu $datei"
done

# desktop-file-validate ends with 0 after a mere warning.
meldungen=$(desktop-file-validate "$inhalt/usr/share/applications/gedenkbuch.desktop" 2>&1)
[ -z "$meldungen" ] || fehler "desktop-file-validate: $meldungen"

# Through MANPATH, as through the system's paths, man adds the folder of the locale; -M would not.
export MANPATH="$inhalt/usr/share/man"
for seite in gedenkbuch gedenkbuch-daten gedenkbuch-starten; do
  for sprache in de C; do
    case $sprache in de) ordner=de/man1 ;; *) ordner=man1 ;; esac
    gefunden=$(man -L "$sprache" -w "$seite" 2>&1)
    [ "$gefunden" = "$MANPATH/$ordner/$seite.1.gz" ] ||
      fehler "man -L $sprache findet $seite nicht in $ordner: $gefunden"
    # A word broken at the end of a line ends there in a hyphen; a dash standing alone may end one.
    for breite in 40 50 60 70 80 90 100 120 150; do
      text=$(MANWIDTH=$breite man -L "$sprache" "$seite" 2>&1)
      case $text in *BESCHREIBUNG*) ;; *) fehler "$seite ($sprache, $breite Spalten): $text"; continue ;; esac
      getrennt=$(printf '%s\n' "$text" | grep -n -- '[^[:space:]][-‐]$')
      [ -z "$getrennt" ] || fehler "$seite ($sprache, $breite Spalten) trennt am Zeilenende: $getrennt"
    done
  done
done

[ "$befund" -eq 0 ] && echo "Paket ohne Befund: lintian, appstreamcli, desktop-file-validate, Handbuchseiten"
exit "$befund"
