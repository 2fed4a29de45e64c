// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listenfeld.h"

namespace ui {

Listenfeld::Listenfeld(bool sortiert, QWidget* parent) : QListView(parent), modell_(new Zeilenmodell(sortiert, this))
{
    setModel(modell_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // On a mouse press Qt moves the current line first and selects it afterwards; only the
    // selection tells that the choice is complete, for the mouse, the keys and code alike.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this](const QItemSelection& neu) {
        if (!neu.isEmpty())
            emit zeileGewaehlt(neu.indexes().constFirst().row());
    });
}

void Listenfeld::hinzufuegen(const QString& text, qint64 id)
{
    modell_->hinzufuegen({core::Zeile{text, id}});
}

void Listenfeld::hinzufuegen(QList<core::Zeile> zeilen)
{
    modell_->hinzufuegen(std::move(zeilen));
}

void Listenfeld::leeren()
{
    rollenBeimZeigen_ = -1;
    modell_->leeren();
}

int Listenfeld::anzahl() const
{
    return modell_->rowCount();
}

const QList<core::Zeile>& Listenfeld::zeilen() const
{
    return modell_->zeilen();
}

QString Listenfeld::text(int row) const
{
    return modell_->zeilen().at(row).text;
}

qint64 Listenfeld::id(int row) const
{
    return modell_->zeilen().at(row).id;
}

int Listenfeld::gewaehlt() const
{
    const QModelIndex aktuell = selectionModel()->currentIndex();
    return aktuell.isValid() && selectionModel()->isSelected(aktuell) ? aktuell.row() : -1;
}

void Listenfeld::waehlen(int row)
{
    if (row < 0 || row >= anzahl()) {
        selectionModel()->clear();
        return;
    }
    if (gewaehlt() == row) {
        emit zeileGewaehlt(row);
        return;
    }
    selectionModel()->setCurrentIndex(modell_->index(row), QItemSelectionModel::ClearAndSelect);
}

void Listenfeld::nachObenRollen(int row)
{
    if (row < 0 || row >= anzahl())
        return;
    if (!isVisible()) {
        rollenBeimZeigen_ = row;
        return;
    }
    scrollTo(modell_->index(row), QAbstractItemView::PositionAtTop);
}

void Listenfeld::showEvent(QShowEvent* event)
{
    QListView::showEvent(event);
    const int row = std::exchange(rollenBeimZeigen_, -1);
    if (row >= 0 && row < anzahl())
        scrollTo(modell_->index(row), QAbstractItemView::PositionAtTop);
}

void Listenfeld::mousePressEvent(QMouseEvent* event)
{
    emit mausGedrueckt();
    QListView::mousePressEvent(event);
}

} // namespace ui
