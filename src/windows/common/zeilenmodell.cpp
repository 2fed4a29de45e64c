// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zeilenmodell.h"

#include "core/kalenderfolge.h"

namespace ui {

Zeilenmodell::Zeilenmodell(bool sortiert, QObject* parent) : QAbstractListModel(parent), sortiert_(sortiert) {}

int Zeilenmodell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(zeilen_.size());
}

QVariant Zeilenmodell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= zeilen_.size())
        return {};
    const core::Zeile& z = zeilen_.at(index.row());
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

void Zeilenmodell::hinzufuegen(QList<core::Zeile> zeilen)
{
    if (zeilen.isEmpty())
        return;
    if (!sortiert_) {
        const int anfang = int(zeilen_.size());
        beginInsertRows({}, anfang, anfang + int(zeilen.size()) - 1);
        zeilen_.append(std::move(zeilen));
        endInsertRows();
        return;
    }
    // The sort is stable: lines already there stay before equal new ones, as if added one by one.
    beginResetModel();
    if (zeilen_.isEmpty())
        zeilen_ = std::move(zeilen); // a whole list taken over, not copied
    else
        zeilen_.append(std::move(zeilen));
    core::kalenderfolge(zeilen_);
    endResetModel();
}

void Zeilenmodell::leeren()
{
    if (zeilen_.isEmpty())
        return;
    beginResetModel();
    zeilen_ = {}; // clear() would keep the memory of a long list for the next one
    endResetModel();
}

} // namespace ui
