// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "satz.h"

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
// Without a date, `grund` says what is wrong: Grund::DatumUnvollstaendig for a year or a month
// alone, Grund::DatumUnlesbar for anything else.
struct Datumsangabe {
    std::optional<Datum> datum;
    Grund grund = Grund::DatumUnlesbar;
};
Datumsangabe datumLesen(QStringView text);

} // namespace exchange
