// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

namespace core {

// The three rules for a year, each where it applies.

// The year the entry dialog stores: 1001 to 9999. Any other year text leaves the stored year as it is.
constexpr bool jahrImDialog(int jahr)
{
    return jahr > 1000 && jahr < 10000;
}

// The year an import keeps from a file: 1 to 9999. Address books write 0 or 0000 for no year.
constexpr bool jahrImImport(int jahr)
{
    return jahr >= 1 && jahr <= 9999;
}

// Whether a yearly event can start on the entry's day in its year: a year from 1 up to this year
// that has the day (29 February 2023 does not). A calendar then counts the years from there.
inline bool jahrFuerKalender(int jahr, int monat, int tag, int diesesJahr)
{
    return jahr >= 1 && jahr <= diesesJahr && QDate::isValid(jahr, monat, tag);
}

} // namespace core
