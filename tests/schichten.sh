#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The layers of the source, checked from its includes. A folder may include only the folders
# listed for it (and itself); any other include, and with it any cycle, fails the test.
# Argument: the source folder.
set -u
cd "$1" || exit 2
erlaubt() {
  case $1 in
    src/store) echo "" ;;
    src/core) echo "store" ;;
    src/windows/common) echo "store core" ;;
    src/windows/daywindow|src/windows/dialogs|src/windows/search|src/windows/startup)
      echo "store core windows/common" ;;
    src/windows/mainwindow) echo "store core windows/common windows/daywindow windows/dialogs windows/search" ;;
    src/app) echo "store core windows/common windows/mainwindow windows/startup" ;;
    tools/termin|tools/exchange) echo "store core" ;;
    tools/caldav) echo "store core termin" ;;
    src/launcher) echo "store core windows/common" ;;
    tools/kontakte) echo "store core exchange caldav termin" ;;
    tools|tools/*) echo "store core exchange caldav termin kontakte" ;;
    bench) echo "store core windows/common windows/mainwindow windows/search" ;;
    *) echo "?" ;;
  esac
}
fehler=0
for datei in $(find src tools bench -name '*.cpp' -o -name '*.h' | sort); do
  ordner=$(dirname "$datei")
  grep -o '^#include "[^"]*/[^"]*"' "$datei" | sed 's/#include "\(.*\)\/[^/]*"/\1/' | sort -u | while read -r ziel; do
    [ "src/$ziel" = "$ordner" ] && continue
    case " $(erlaubt "$ordner") " in
      *" $ziel "*) ;;
      *) echo "$datei bindet $ziel ein, was $ordner nicht darf"; echo x >> "${TMPDIR:-/tmp}/schichten.$$" ;;
    esac
  done
done
# Inside the store, the wrapper of the engine stays below the store and the cursor that use it.
for datei in src/store/sqlite.h src/store/sqlite.cpp src/store/verbindung.h src/store/storeerror.h; do
  if grep -Eq '^#include "(store/)?(store|cursor|cursor_innen)\.h"' "$datei"; then
    echo "$datei bindet Store oder Cursor ein, die es selbst benutzen"; echo x >> "${TMPDIR:-/tmp}/schichten.$$"
  fi
done
if [ -e "${TMPDIR:-/tmp}/schichten.$$" ]; then rm -f "${TMPDIR:-/tmp}/schichten.$$"; exit 1; fi
echo "Schichten eingehalten."
