// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window does on the user's actions: the lookup behind a line of the full list, the
// commands below the detail panel and what the dialogs they open give back.
#include "frmgedenkbuch.h"

#include "core/buchmodell.h"
#include "core/durchlauf.h"
#include "core/uhr.h"
#include "detailfelder.h"
#include "windows/common/bildschaltflaeche.h"
#include "windows/common/listenfeld.h"
#include "windows/common/meldungen.h"
#include "windows/daywindow/tagesfenster.h"
#include "windows/dialogs/eintragsdialog.h"
#include "windows/search/frmsuche.h"

void frmGedenkbuch::ereignisseVerbinden()
{
    connect(lstGedenkbuch, &ui::Listenfeld::zeileGewaehlt, this, &frmGedenkbuch::lstGedenkbuch_Click);
    connect(lstGedenkbuch, &ui::Listenfeld::mausGedrueckt, this, [this] { befehleFreigeben(true); });
    connect(cmdLoeschen, &QPushButton::clicked, this, &frmGedenkbuch::cmdLoeschen_Click);
    connect(cmdAenderung, &QPushButton::clicked, this, &frmGedenkbuch::cmdAenderung_Click);
    connect(cmdEintragNeu, &QPushButton::clicked, this, &frmGedenkbuch::cmdEintragNeu_Click);
    connect(cmdSuchen, &QPushButton::clicked, this, &frmGedenkbuch::cmdSuchen_Click);
    connect(tagesfenster_, &Tagesfenster::eintragGewaehlt, this, &frmGedenkbuch::eintragZeigen);
    // The panel only shows the entry: a click on a field opens the change dialog, and a key
    // typed into the year leads on to "Ändern".
    connect(detail_, &Detailfelder::feldAngeklickt, this, [this] {
        cmdAenderung->setFocus();
        cmdAenderung_Click();
    });
    connect(detail_, &Detailfelder::jahrGetippt, this, [this] { cmdAenderung->setFocus(); });
}

// Each line carries the identity of its record, so the panel ends on exactly the entry whose line
// was picked, also among entries with equal or prefixed names, or on none.
void frmGedenkbuch::lstGedenkbuch_Click(int row)
{
    eintragLesenUndZeigen(lstGedenkbuch->id(row));
}

void frmGedenkbuch::gespeichert(qint64 id)
{
    auffrischen();
    if (eintragAnzeigen(id))
        befehleFreigeben(true);
}

void frmGedenkbuch::cmdEintragNeu_Click()
{
    core::Eintragsbuch& buch = modell_->buch();
    Eintragsdialog dialog(Eintragsdialog::Art::Neu,
                          {[&buch](const QString& name) { return buch.nameVergeben(name); },
                           [&buch](const core::Aenderung& werte) { return buch.speichern(std::nullopt, werte); }},
                          dienste_.meldungen, this);
    dialogZeigen(dialog);
    if (const auto id = dialog.gespeichert())
        gespeichert(*id);
}

void frmGedenkbuch::cmdSuchen_Click()
{
    // Ages as of the day of each search, which may come after midnight.
    frmSuche dialog(
        [this](const QString& begriff) { return modell_->buch().suchen(begriff, dienste_.uhr.heute().year()); },
        dienste_.meldungen, this);
    dialogZeigen(dialog);
    if (dialog.result() == QDialog::Accepted)
        eintragZeigen(dialog.auswahl());
    else
        auswahlAufheben();
    raise();
    activateWindow();
}

void frmGedenkbuch::cmdAenderung_Click()
{
    if (!angezeigt_)
        return; // no entry shown, nothing the user could mean
    const Eintragsstart start = detail_->startwerte();
    if (!start.vollstaendig()) {
        dienste_.meldungen.hinweis(QStringLiteral("Tag und Monat in den Angaben sind kein gültiges Datum. "
                                                  "Bitte wählen Sie den Eintrag noch einmal aus."),
                                   QStringLiteral("Ändern nicht möglich"));
        return;
    }
    // The dialog changes the record as it was read for the panel, or nothing.
    core::Eintragsbuch& buch = modell_->buch();
    Eintragsdialog dialog(
        Eintragsdialog::Art::Aendern,
        {[&buch](const QString& name) { return buch.nameVergeben(name); },
         [&buch, gelesen = angezeigt_->satz](const core::Aenderung& werte) { return buch.speichern(gelesen, werte); }},
        dienste_.meldungen, this, start);
    dialogZeigen(dialog);
    if (const auto id = dialog.gespeichert())
        gespeichert(*id);
}

void frmGedenkbuch::cmdLoeschen_Click()
{
    if (!angezeigt_)
        return; // no entry shown, nothing the user could mean
    const store::Datensatz gelesen = angezeigt_->satz;
    if (!dienste_.meldungen.frage(QStringLiteral("Soll der Eintrag wirklich gelöscht werden?"),
                                  QStringLiteral("Sicherheitsfrage")))
        return;

    try {
        modell_->buch().loeschen(gelesen);
    } catch (const store::StoreError& fehler) {
        const bool veraendert = fehler.art() == store::StoreError::Art::Veraendert;
        dienste_.meldungen.hinweis(
            QStringLiteral("Der Eintrag wurde nicht gelöscht.\n\n%1").arg(core::fehlertext(fehler))
                + (veraendert ? QStringLiteral("\n\nDas Fenster zeigt jetzt, was gespeichert ist.") : QString()),
            QStringLiteral("Fehler beim Löschen"));
        // What another program did shows at once, the entry at rest when it is gone.
        if (veraendert)
            nachholen();
        return;
    }
    panelInRuhe();
    auffrischen();
    befehleFreigeben(false);
}
