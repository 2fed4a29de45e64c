// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving in the entry dialog: the checks of the input and the write of the record.
#include "eintragsdialog.h"

#include "core/durchlauf.h"
#include "core/eintrag.h"
#include "core/jahr.h"
#include "core/zahlen.h"
#include "windows/common/bemerkungsfeld.h"
#include "windows/common/meldungen.h"

#include <QLineEdit>
#include <QRadioButton>

using store::Feld;

void Eintragsdialog::cmdSpeichern_Click()
{
    if (!eingabeGeprueft())
        return;
    gespeichert_ = speichern();
    if (gespeichert_)
        accept(); // otherwise the user was told why, and the dialog keeps every input
}

bool Eintragsdialog::eingabeGeprueft()
{
    const QString name = txtBezeichnung->text();
    if (art_ == Art::Neu && !name.isEmpty()) {
        bool vergeben = false;
        try {
            vergeben = ablage_.nameVergeben(name);
        } catch (const store::StoreError& fehler) {
            // Only a read of every entry tells that the name is free.
            meldungen_.hinweis(QStringLiteral("Der Eintrag wurde nicht gespeichert: Ob es die Bezeichnung schon gibt, "
                                              "ließ sich nicht prüfen.\n\n%1")
                                   .arg(core::fehlertext(fehler)),
                               QStringLiteral("Fehler beim Speichern"));
            return false;
        }
        if (vergeben) {
            meldungen_.hinweis(QStringLiteral("Ein Datensatz mit der gleichen Bezeichnung existiert schon!"),
                               QStringLiteral("Fehler"));
            txtBezeichnung->setFocus();
            return false;
        }
    }
    if (gewaehlterMonat_ <= 0 || name.isEmpty() || gewaehlterTag_ <= 0) {
        meldungen_.hinweis(QStringLiteral("Es müssen die Bezeichnung, der Tag und der Monat angegeben werden!"),
                           QStringLiteral("Unvollständige Eingabe"));
        txtBezeichnung->setFocus();
        return false;
    }
    if (!core::gibtEsDenTag(gewaehlterTag_, gewaehlterMonat_)) {
        meldungen_.hinweis(QStringLiteral("Diesen Tag gibt es im gewählten Monat nicht!"),
                           QStringLiteral("Ungültiges Datum"));
        optTag[gewaehlterTag_ - 1]->setFocus();
        return false;
    }
    return true;
}

std::optional<qint64> Eintragsdialog::speichern()
{
    const bool neu = art_ == Art::Neu;
    // A new entry writes every field it has; a change only those the user changed.
    const auto geaendert = [&](Feld feld, bool anders) { return neu || anders || ausgang_.getippt[std::size_t(feld)]; };
    core::Aenderung aenderung;
    const QString name = txtBezeichnung->text();
    if (geaendert(Feld::Bezeichnung, name != ausgang_.bezeichnung))
        aenderung.Bezeichnung = name;
    if (geaendert(Feld::tag, gewaehlterTag_ != ausgang_.tag))
        aenderung.tag = gewaehlterTag_;
    if (geaendert(Feld::monat, gewaehlterMonat_ != ausgang_.monat))
        aenderung.monat = gewaehlterMonat_;
    // Only a year from 1001 to 9999 is stored. A change keeps the stored year for any other text,
    // but the user emptying the year the dialog opened with removes it. A field that opened empty
    // (no year, or one below 1000) and stays empty keeps the stored value.
    const std::optional<int> jahr = core::jahrImFeld(txtJahr->text());
    if (geaendert(Feld::jahr, jahr != ausgang_.jahr)) {
        if (core::jahrImDialog(eingegebenesJahr_))
            aenderung.jahr = eingegebenesJahr_;
        else if (!neu && ausgang_.jahr && !jahr)
            aenderung.jahr = std::optional<int>();
    }
    const QString bemerkungen = txtBemerkungen->text();
    if (geaendert(Feld::Bemerkungen, bemerkungen != ausgang_.bemerkungen)) {
        if (!bemerkungen.isEmpty())
            aenderung.Bemerkungen = bemerkungen;
        else if (!neu)
            aenderung.Bemerkungen = std::optional<QString>();
    }

    try {
        return ablage_.speichern(aenderung);
    } catch (const store::StoreError& fehler) {
        QString text = QStringLiteral("Der Eintrag wurde nicht gespeichert.\n\n%1").arg(core::fehlertext(fehler));
        // Saved again, the input would be refused again: the way on is the window's new state.
        if (fehler.art() == store::StoreError::Art::Veraendert)
            text += QStringLiteral("\n\nIhre Eingaben stehen noch im Dialog. Übernehmen Sie, was Sie brauchen, und "
                                   "brechen Sie ihn dann ab: Das Fenster zeigt danach, was jetzt gespeichert ist.");
        meldungen_.hinweis(text, QStringLiteral("Fehler beim Speichern"));
        return std::nullopt;
    }
}
