// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten import [--probe] DATEI`: takes the entries of a vCard or CSV file, all in one
// transaction, skipping each record the program's own rules refuse.
#include "befehl.h"

#include "exchange/auswahl.h"
#include "exchange/eingabe.h"
#include "exchange/texte.h"

#include "core/eintragsbuch.h"
#include "core/steuerzeichen.h"
#include "store/cursor.h"
#include "store/store.h"

namespace {

void uebernehmen(store::Store& s, const QList<exchange::Satz>& saetze)
{
    store::Cursor cursor(s);
    core::Eintragsbuch buch(s, cursor);
    for (const exchange::Satz& satz : saetze) {
        core::Aenderung werte{satz.name, satz.tag, satz.monat, {}, {}};
        if (satz.jahr)
            werte.jahr = *satz.jahr;
        if (!satz.bemerkungen.isEmpty())
            werte.Bemerkungen = satz.bemerkungen;
        buch.speichern(std::nullopt, werte);
    }
}

} // namespace

int importieren(const Aufruf& aufruf)
{
    const bool probe = aufruf.gesetzt("probe");
    const QString quelle = aufruf.wert("DATEI");

    exchange::Gelesen gelesen;
    try {
        gelesen = exchange::einlesen(quelle);
    } catch (const exchange::Abweisung& abweisung) {
        aufruf.fehler << QStringLiteral("„%1“ wird nicht übernommen: %2")
                             .arg(core::einzeilig(quelle), exchange::meldung(abweisung))
                      << Qt::endl;
        return Fehlschlag;
    }

    exchange::Auswahl auswahl;
    try {
        const auto s = store::Store::open(aufruf.datenbank(),
                                          probe ? store::Store::Zugriff::NurLesen : store::Store::Zugriff::Schreiben);
        std::optional<store::Transaktion> transaktion;
        if (!probe)
            transaktion.emplace(*s);
        // A name the dialog would refuse is refused here too, also of a record the walk rule skips.
        auswahl = exchange::auswaehlen(gelesen, s->namen());
        if (transaktion) {
            uebernehmen(*s, auswahl.uebernehmen);
            transaktion->abschliessen();
        }
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << core::meldung(fehler) << Qt::endl << QStringLiteral("Es wurde nichts übernommen.") << Qt::endl;
        return Fehlschlag;
    }

    for (const QString& zeile : exchange::bericht(gelesen.quelle, auswahl))
        aufruf.aus << zeile << Qt::endl;
    const QString genommen = mitAnzahl(auswahl.uebernehmen.size(), "Eintrag", "Einträge");
    const qsizetype uebersprungen = auswahl.auslassungen.size();
    const QString wuerden = auswahl.uebernehmen.size() == 1 ? QStringLiteral("würde") : QStringLiteral("würden");
    if (probe)
        aufruf.aus << QStringLiteral("Probe: %1 %2 in %3 übernommen, %4 übersprungen. Es wurde nichts geschrieben.")
                          .arg(genommen, wuerden, aufruf.datenbank())
                          .arg(uebersprungen)
                   << Qt::endl;
    else
        aufruf.aus << QStringLiteral("%1 in %2 übernommen, %3 übersprungen.")
                          .arg(genommen, aufruf.datenbank())
                          .arg(uebersprungen)
                   << Qt::endl;
    if (auswahl.uebernehmen.isEmpty())
        return NichtsUebernommen;
    return uebersprungen > 0 ? EinigeUebersprungen : Erfolg;
}
