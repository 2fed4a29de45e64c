#!/bin/sh
# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the source tree as it is checked in: every C++ file laid out as .clang-format says,
# and a licence and copyright for every file (reuse lint).
set -u
cd "$(dirname "$0")/.."
befund=0
if [ -d .git ]; then
  dateien=$(git ls-files '*.cpp' '*.h')
else
  dateien=$(find bench scripts src tests tools -name '*.cpp' -o -name '*.h')
fi
# shellcheck disable=SC2086 # file names without spaces, one per word
clang-format --dry-run -Werror $dateien || { echo "FEHLER: clang-format -i richtet die gemeldeten Dateien aus"; befund=1; }
reuse lint -q || { reuse lint; befund=1; }
[ $befund -eq 0 ] && echo "Quelltext ohne Befund: clang-format, reuse lint"
exit $befund
