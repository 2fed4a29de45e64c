// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window shows: the lists from one walk, and the entry in the detail panel with its
// line in the full list and the commands that act on it.
#include "frmgedenkbuch.h"

#include "core/anzeigezeile.h"
#include "core/buchmodell.h"
#include "core/durchlauf.h"
#include "core/tage.h"
#include "detailfelder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"
#include "windows/daywindow/tagesfenster.h"

void frmGedenkbuch::auffrischen()
{
    // The old lines go first, so that the lists are never held twice.
    lstGedenkbuch->leeren();
    core::Eintragsbuch::Fenster fenster = modell_->fenster();
    const QDate heute = fenster.heute;
    if (fenster.durchlauf.fehler)
        dienste_.meldungen.hinweis(QStringLiteral("Nicht alle Einträge konnten gelesen werden; die Listen zeigen nur "
                                                  "die gelesenen.\n\n%1")
                                       .arg(core::fehlertext(*fenster.durchlauf.fehler)),
                                   QStringLiteral("Einträge unvollständig"));
    lstGedenkbuch->hinzufuegen(std::move(fenster.voll));

    // The counts stand only behind captions of a walk that read the whole, non-empty store.
    const bool mitAnzahl = fenster.durchlauf.vollstaendig() && !fenster.durchlauf.leer;
    std::array<QString, core::tagesanzahl> titel;
    for (int k = 0; k < core::tagesanzahl; ++k) {
        titel[k] = core::tagesanzeige(k, heute);
        if (mitAnzahl)
            titel[k] = core::mitAnzahl(titel[k], fenster.tage[k].size());
    }
    tagesfenster_->zeigen(titel, std::move(fenster.tage));
    if (!mitAnzahl)
        return;

    // The next anniversary after the day window stands at the top of the full list, with no line
    // selected and the panel at rest.
    const int treffer = core::naechsterJahrestag(lstGedenkbuch->zeilen(), heute);
    if (treffer >= 0) {
        lstGedenkbuch->nachObenRollen(treffer);
        panelInRuhe();
    }
    lstGedenkbuch->waehlen(-1);
}

void frmGedenkbuch::befehleFreigeben(bool frei)
{
    cmdLoeschen->setEnabled(frei);
    cmdAenderung->setEnabled(frei);
}

void frmGedenkbuch::panelInRuhe()
{
    angezeigt_.reset();
    detail_->ruhezustand();
}

bool frmGedenkbuch::eintragLesenUndZeigen(qint64 id)
{
    try {
        angezeigt_ = modell_->buch().lesen(id);
        detail_->zeigen(angezeigt_->eintrag);
        return true;
    } catch (const store::StoreError& fehler) {
        eintragNichtLesbar(fehler);
        return false;
    }
}

void frmGedenkbuch::eintragNichtLesbar(const store::StoreError& fehler)
{
    auswahlAufheben();
    dienste_.meldungen.hinweis(
        QStringLiteral("Der Eintrag kann nicht angezeigt werden.\n\n%1").arg(core::fehlertext(fehler)),
        QStringLiteral("Eintrag nicht angezeigt"));
    // Under another program's lock a refresh would only wait again; a removed entry leaves its line.
    if (fehler.art() == store::StoreError::Art::EintragWeg || fehler.art() == store::StoreError::Art::KeinEintrag)
        auffrischen();
}

bool frmGedenkbuch::eintragWaehlen(qint64 id)
{
    for (int row = 0; row < lstGedenkbuch->anzahl(); ++row) {
        if (lstGedenkbuch->id(row) == id) {
            lstGedenkbuch->waehlen(row);
            return true;
        }
    }
    return false;
}

bool frmGedenkbuch::eintragAnzeigen(qint64 id)
{
    // Selecting its line shows the entry. One that another program added since the last refresh
    // has no line yet and is shown directly.
    return (eintragWaehlen(id) || eintragLesenUndZeigen(id)) && angezeigt_;
}

void frmGedenkbuch::eintragZeigen(qint64 id)
{
    if (eintragAnzeigen(id))
        befehleFreigeben(true);
}

void frmGedenkbuch::auswahlAufheben()
{
    lstGedenkbuch->waehlen(-1);
    panelInRuhe();
    befehleFreigeben(false);
}
