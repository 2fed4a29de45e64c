// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "eintrag.h"
#include "zeile.h"

#include <QString>

namespace core {

// A day or month in two characters: below 10 a "0" and the last digit, otherwise the last two
// characters of the decimal text ("05", "12").
QString zweistellig(int zahl);
// The number those two characters show (-5 shows 5, 123 shows 23): what orders lines by their date.
int zweistelligerWert(int zahl);

// A name as a line of a list shows it: on one line, and cut to 300 characters with "…" behind. A
// name that long is only ever written by another program; laid out whole, a name of megabytes
// would freeze every list that shows it.
QString anzeigename(const QString& name);

// The age reached in `bezugsjahr`: none unless a year is known and the age is at least 1.
std::optional<int> alter(std::optional<qint16> jahr, int bezugsjahr);

// " (N.)" when a year is known and the age reached in `bezugsjahr` is at least 1, else empty.
QString altersZusatz(std::optional<qint16> jahr, int bezugsjahr);

// The line of an entry in the full list and the search results, "MM-TT Bezeichnung (N.)", with
// the age it reaches in `bezugsjahr`. The name always starts at the seventh character.
Zeile listenzeile(const Eintrag& eintrag, int bezugsjahr);

// The line of an entry in a day list, "Bezeichnung (N.)", with the age it reaches in the day's year.
Zeile tageszeile(const Eintrag& eintrag, int bezugsjahr);

} // namespace core
