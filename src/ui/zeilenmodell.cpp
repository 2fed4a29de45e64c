#include "zeilenmodell.h"

#include <QCollator>
#include <algorithm>

namespace ui {

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

} // namespace

Zeilenmodell::Zeilenmodell(bool sortiert, QObject* parent) : QAbstractListModel(parent), sortiert_(sortiert) {}

int Zeilenmodell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(zeilen_.size());
}

QVariant Zeilenmodell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zeilen_.size())
        return {};
    const Zeile& z = zeilen_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return z.text;
    case Qt::UserRole:
        return z.id;
    default:
        return {};
    }
}

void Zeilenmodell::hinzufuegen(QList<Zeile> zeilen)
{
    if (zeilen.isEmpty())
        return;
    if (sortiert_) {
        einsortieren(std::move(zeilen));
        return;
    }
    const int anfang = int(zeilen_.size());
    beginInsertRows({}, anfang, anfang + int(zeilen.size()) - 1);
    zeilen_.append(std::move(zeilen));
    endInsertRows();
}

void Zeilenmodell::einsortieren(QList<Zeile> neu)
{
    const QCollator& c = sortierung();

    if (neu.size() == 1) {
        // Behind every line that compares equal, so equal lines keep the order of adding.
        const auto stelle = std::upper_bound(zeilen_.cbegin(), zeilen_.cend(), neu.front(),
                                             [&c](const Zeile& a, const Zeile& b) { return c.compare(a.text, b.text) < 0; });
        const int row = int(stelle - zeilen_.cbegin());
        beginInsertRows({}, row, row);
        zeilen_.insert(row, std::move(neu.front()));
        endInsertRows();
        return;
    }

    // Sort keys once per line instead of collating the texts again in every comparison.
    std::vector<std::pair<QCollatorSortKey, int>> schluessel;
    schluessel.reserve(neu.size());
    for (int i = 0; i < neu.size(); ++i)
        schluessel.emplace_back(c.sortKey(neu.at(i).text), i);
    std::stable_sort(schluessel.begin(), schluessel.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });

    QList<Zeile> sortiert;
    sortiert.reserve(neu.size());
    for (const auto& [key, i] : schluessel)
        sortiert.append(std::move(neu[i]));

    if (zeilen_.isEmpty()) {
        beginInsertRows({}, 0, int(sortiert.size()) - 1);
        zeilen_ = std::move(sortiert);
        endInsertRows();
        return;
    }

    // Merging keeps the lines already there before equal new ones, as adding one by one does.
    QList<Zeile> zusammen;
    zusammen.reserve(zeilen_.size() + sortiert.size());
    std::merge(std::make_move_iterator(zeilen_.begin()), std::make_move_iterator(zeilen_.end()),
               std::make_move_iterator(sortiert.begin()), std::make_move_iterator(sortiert.end()),
               std::back_inserter(zusammen),
               [&c](const Zeile& a, const Zeile& b) { return c.compare(a.text, b.text) < 0; });
    beginResetModel();
    zeilen_ = std::move(zusammen);
    endResetModel();
}

void Zeilenmodell::leeren()
{
    if (zeilen_.isEmpty())
        return;
    beginResetModel();
    zeilen_.clear();
    endResetModel();
}

} // namespace ui
