// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/zeile.h"

#include <QList>
#include <QString>
#include <array>

namespace druck {

// The entries of a book by the day they fall on, each day's in the order of the full list (by
// name, German collation), with what a print of it leaves out.
struct Bestand {
    // The lines of month m, day t at [(m - 1) * 31 + t - 1]: the name as the lists show it, on one
    // line and cut to its greatest length, with the text `zusatz` gives behind it.
    std::array<QList<core::Zeile>, 12 * 31> tage;
    qsizetype ohneRegel = 0;  // records without a name, a day or a month
    qsizetype unmoeglich = 0; // entries on a day their month never has

    const QList<core::Zeile>& tag(int monat, int tag) const { return tage[std::size_t((monat - 1) * 31 + tag - 1)]; }
    // The name of a line without what follows it.
    static QStringView name(const core::Zeile& zeile, const QString& zusatz)
    {
        return QStringView(zeile.text).chopped(zusatz.size());
    }
};

// What a line of the print carries behind the name: the age reached in `bezugsjahr`, " (41.)", as
// the day lists show it; or, without a reference year, the year of birth, " (1985)", which stays
// true on a calendar for every year.
QString zusatz(const core::Zeile& zeile, std::optional<int> bezugsjahr);

// Reads the whole book at `buch`. Throws StoreError when it cannot be read whole, damage included:
// a calendar with gaps nobody sees would be worse than none.
Bestand lesen(const QString& buch, std::optional<int> bezugsjahr);

} // namespace druck
