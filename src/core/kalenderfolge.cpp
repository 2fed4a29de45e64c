// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kalenderfolge.h"

#include "anzeigezeile.h"

#include <QCollator>
#include <algorithm>
#include <vector>

namespace core {

namespace {

const QCollator& sortierung()
{
    static const QCollator collator = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// The date a line shows, as a number below 10,000. Every date a list can show has its place, also
// one that no calendar has (a month 13 stored by another program).
int gezeigtesDatum(const Zeile& z)
{
    return zweistelligerWert(z.monat) * 100 + zweistelligerWert(z.tag);
}

} // namespace

void kalenderfolge(QList<Zeile>& zeilen)
{
    // First by date: counted into the 10,000 dates two digits each can show, which keeps the
    // order of adding. Then, among the lines of one date, by their names in German collation:
    // only lines of one date are ever collated.
    constexpr int daten = 100 * 100;
    std::vector<qsizetype> anfang(daten + 1, 0);
    for (const Zeile& z : std::as_const(zeilen))
        ++anfang[std::size_t(gezeigtesDatum(z)) + 1];
    for (int d = 0; d < daten; ++d)
        anfang[std::size_t(d) + 1] += anfang[std::size_t(d)];
    std::vector<qsizetype> folge(std::size_t(zeilen.size()));
    {
        std::vector<qsizetype> frei(anfang.begin(), anfang.end() - 1);
        for (qsizetype i = 0; i < zeilen.size(); ++i)
            folge[std::size_t(frei[std::size_t(gezeigtesDatum(zeilen[i]))]++)] = i;
    }

    const QCollator& c = sortierung();
    for (int d = 0; d < daten; ++d) {
        const auto von = folge.begin() + anfang[std::size_t(d)];
        const auto bis = folge.begin() + anfang[std::size_t(d) + 1];
        if (bis - von > 1)
            std::stable_sort(
                von, bis, [&](qsizetype a, qsizetype b) { return c.compare(zeilen[a].name(), zeilen[b].name()) < 0; });
    }

    // The lines are put in their places where they stand, cycle by cycle, so a long list is never
    // held twice.
    std::vector<bool> gesetzt(folge.size(), false);
    for (std::size_t ziel = 0; ziel < folge.size(); ++ziel) {
        if (gesetzt[ziel])
            continue;
        Zeile fuerZiel = std::move(zeilen[ziel]);
        std::size_t stelle = ziel;
        while (std::size_t(folge[stelle]) != ziel) {
            zeilen[qsizetype(stelle)] = std::move(zeilen[folge[stelle]]);
            gesetzt[stelle] = true;
            stelle = std::size_t(folge[stelle]);
        }
        zeilen[qsizetype(stelle)] = std::move(fuerZiel);
        gesetzt[stelle] = true;
    }
}

} // namespace core
