// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/eintragsbuch.h"

#include <QDialog>
#include <functional>

class QLineEdit;
namespace ui {
class Bildschaltflaeche;
class Listenfeld;
class Meldungen;
} // namespace ui

// The modal search dialog: entries whose name contains the term (upper and lower case distinct)
// and entries whose month is the term's number. It is accepted with a chosen result; anything
// else rejects it.
class frmSuche : public QDialog {
    Q_OBJECT
public:
    // `suchen` gives the lines for a term, with the ages of the year the search looks from.
    using Suche = std::function<core::Eintragsbuch::Suchergebnis(const QString& begriff)>;
    frmSuche(Suche suchen, ui::Meldungen& meldungen, QWidget* parent);

    // The entry of the chosen result line, once the dialog was accepted.
    qint64 auswahl() const { return auswahl_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void steuerelementeAnlegen();
    void txtSuche_Change();
    void cmdSuchStart_Click();
    void lstSuchergebnisse_Click(int row);

    Suche suchen_;
    ui::Meldungen& meldungen_;
    qint64 auswahl_ = -1;
    QLineEdit* txtSuche = nullptr;
    ui::Listenfeld* lstSuchergebnisse = nullptr;
    ui::Bildschaltflaeche* cmdSuchStart = nullptr;
    ui::Bildschaltflaeche* cmdAbbruch = nullptr;
};
