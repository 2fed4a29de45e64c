#include "kalenderfolge.h"

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

// The number a line shows for a month or a day: its two digits. Every date a list can show has
// its place, also one that no calendar has (a month 13 stored by another program).
int gezeigt(int zahl)
{
    return zahl < 10 ? std::abs(zahl) % 10 : zahl % 100;
}

} // namespace

void kalenderfolge(QList<Zeile>& zeilen)
{
    // First by date, an integer; then, among the lines of one date, by collation keys of their
    // names: a key is made once per line, where comparing with the collator would compare each
    // name many times.
    struct Stelle {
        int datum;
        qsizetype index;
    };
    std::vector<Stelle> folge;
    folge.reserve(std::size_t(zeilen.size()));
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        folge.push_back({gezeigt(zeilen[i].monat) * 100 + gezeigt(zeilen[i].tag), i});
    std::stable_sort(folge.begin(), folge.end(), [](const Stelle& a, const Stelle& b) { return a.datum < b.datum; });

    const QCollator& c = sortierung();
    struct Geordnet {
        QCollatorSortKey schluessel;
        qsizetype index;
    };
    std::vector<Geordnet> lauf; // the lines of one date
    for (auto anfang = folge.begin(); anfang != folge.end();) {
        const auto ende = std::find_if(anfang, folge.end(), [&](const Stelle& s) { return s.datum != anfang->datum; });
        if (ende - anfang > 1) {
            lauf.clear();
            for (auto s = anfang; s != ende; ++s)
                lauf.push_back({c.sortKey(zeilen[s->index].name().toString()), s->index});
            std::stable_sort(lauf.begin(), lauf.end(),
                             [](const Geordnet& a, const Geordnet& b) { return a.schluessel.compare(b.schluessel) < 0; });
            for (std::size_t k = 0; k < lauf.size(); ++k)
                (anfang + qsizetype(k))->index = lauf[k].index;
        }
        anfang = ende;
    }

    QList<Zeile> sortiert;
    sortiert.reserve(zeilen.size());
    for (const Stelle& s : folge)
        sortiert.append(std::move(zeilen[s.index]));
    zeilen = std::move(sortiert);
}

} // namespace core
