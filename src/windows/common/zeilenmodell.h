// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/zeile.h"

#include <QAbstractListModel>
#include <QList>

namespace ui {

// The lines of a list box. A sorted model keeps its lines in the order of the full list (see
// core::kalenderfolge); lines that compare equal keep the order in which they were added.
class Zeilenmodell final : public QAbstractListModel {
public:
    explicit Zeilenmodell(bool sortiert, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Adds lines behind the others; a sorted model then puts each at its place.
    void hinzufuegen(QList<core::Zeile> zeilen);
    void leeren();
    const QList<core::Zeile>& zeilen() const { return zeilen_; }

private:
    bool sortiert_;
    QList<core::Zeile> zeilen_;
};

} // namespace ui
