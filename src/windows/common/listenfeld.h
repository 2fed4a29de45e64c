// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "zeilenmodell.h"

#include <QListView>

namespace ui {

// A list box: lines with the identity of their entry, one selected line at most.
// A selection by mouse, by keys or by code raises zeileGewaehlt; removing the selection does not.
class Listenfeld : public QListView {
    Q_OBJECT
public:
    explicit Listenfeld(bool sortiert, QWidget* parent = nullptr);

    void hinzufuegen(const QString& text, qint64 id = -1);
    void hinzufuegen(QList<core::Zeile> zeilen);
    void leeren();

    int anzahl() const;
    const QList<core::Zeile>& zeilen() const;
    QString text(int row) const;
    qint64 id(int row) const;

    // The selected line, -1 for none.
    int gewaehlt() const;
    // Selects a line and runs the selection handling, as a user's selection does; -1 only removes
    // the selection.
    void waehlen(int row);
    // Scrolls the list so that the line stands at the top, or as near to it as the list allows.
    // A list that is not shown yet does so when it is shown.
    void nachObenRollen(int row);

signals:
    void zeileGewaehlt(int row);
    // Any mouse button pressed anywhere in the list, on a line or not.
    void mausGedrueckt();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Zeilenmodell* modell_;
    int rollenBeimZeigen_ = -1;
};

} // namespace ui
