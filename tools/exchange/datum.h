// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

namespace exchange {

struct Datum {
    int tag = 0;
    int monat = 0;
    std::optional<int> jahr;
};

// A date as address books and spreadsheets write it: 19960415, 1996-04-15, --0415, --04-15, a
// date-time (its date part), 15.04.1996 and 15.4. Whether the day exists is not checked here.
// Without a date, `grund` says in German what is wrong: "nennt nicht Tag und Monat" for a year or
// a month alone, "ist kein lesbares Datum" for anything else.
struct Datumsangabe {
    std::optional<Datum> datum;
    QString grund;
};
Datumsangabe datumLesen(QStringView text);

} // namespace exchange
