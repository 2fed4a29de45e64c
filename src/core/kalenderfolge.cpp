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

bool istZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Display lines begin "MM-TT ". Among digits the collation is the numeric order, and two lines
// with the same beginning compare as their rests do; so the date sorts as a number and only the
// names are collated, a third of the cost of collating whole lines.
int datumsschluessel(const QString& text)
{
    if (text.size() < 6 || !istZiffer(text[0]) || !istZiffer(text[1]) || text[2] != u'-' || !istZiffer(text[3])
        || !istZiffer(text[4]) || text[5] != u' ')
        return -1;
    return (text[0].digitValue() * 10 + text[1].digitValue()) * 100 + text[3].digitValue() * 10 + text[4].digitValue();
}

} // namespace

void kalenderfolge(QList<Zeile>& zeilen)
{
    const QCollator& c = sortierung();
    std::vector<std::pair<int, int>> folge; // date key, index
    folge.reserve(zeilen.size());
    bool alleMitDatum = true;
    for (int i = 0; i < zeilen.size(); ++i) {
        const int schluessel = datumsschluessel(zeilen.at(i).text);
        alleMitDatum = alleMitDatum && schluessel >= 0;
        folge.emplace_back(schluessel, i);
    }

    if (alleMitDatum) {
        std::stable_sort(folge.begin(), folge.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first)
                return a.first < b.first;
            return c.compare(QStringView(zeilen.at(a.second).text).mid(6), QStringView(zeilen.at(b.second).text).mid(6)) < 0;
        });
    } else {
        std::vector<QCollatorSortKey> schluessel;
        schluessel.reserve(zeilen.size());
        for (const Zeile& z : zeilen)
            schluessel.push_back(c.sortKey(z.text));
        std::stable_sort(folge.begin(), folge.end(), [&](const auto& a, const auto& b) {
            return schluessel[a.second].compare(schluessel[b.second]) < 0;
        });
    }

    QList<Zeile> sortiert;
    sortiert.reserve(zeilen.size());
    for (const auto& [schluessel, i] : folge)
        sortiert.append(std::move(zeilen[i]));
    zeilen = std::move(sortiert);
}

} // namespace core
