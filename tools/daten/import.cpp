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

namespace daten {

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

class Importieren final : public Buchbefehl {
public:
    Importieren() : Buchbefehl("import")
    {
        beschreibung_
            = QStringLiteral(
                  "übernimmt die Einträge einer vCard-Datei (2.1, 3.0, 4.0) oder einer CSV-Datei mit Kopfzeile,\n"
                  "alle in einem Zug oder gar keinen. Ein Geburtstag heißt wie der Kontakt, ein Hochzeitstag\n"
                  "„Hochzeitstag NAME“, ein Todestag „Todestag NAME“. Übersprungen wird, was keine Bezeichnung,\n"
                  "keinen Tag oder Monat hat, einen Tag, den es im Monat nie gibt, oder eine Bezeichnung, die\n"
                  "es schon gibt; die Zusammenfassung nennt Karte oder Zeile und den Grund.\n"
                  "--probe %1.\n"
                  "Status: 0 alles übernommen, 3 einiges übersprungen, 4 nichts übernommen, 1 abgewiesen.")
                  .arg(probe.hilfe());
    }

    int mitBuch(Kontext& k) override
    {
        const QString quelle = datei.wert();
        exchange::Gelesen gelesen;
        try {
            gelesen = exchange::einlesen(quelle);
        } catch (const exchange::Abweisung& abweisung) {
            k.fehler << QStringLiteral("„%1“ wird nicht übernommen: %2")
                            .arg(core::einzeilig(quelle), exchange::meldung(abweisung))
                     << Qt::endl;
            return Fehlschlag;
        }

        exchange::Auswahl auswahl;
        try {
            const auto s
                = oeffnen(probe.gesetzt() ? store::Store::Zugriff::NurLesen : store::Store::Zugriff::Schreiben);
            std::optional<store::Transaktion> transaktion;
            if (!probe.gesetzt())
                transaktion.emplace(*s);
            // A name the dialog would refuse is refused here too, also of a record the walk rule skips.
            auswahl = exchange::auswaehlen(gelesen, s->namen());
            if (transaktion) {
                uebernehmen(*s, auswahl.uebernehmen);
                transaktion->abschliessen();
            }
        } catch (const store::StoreError& fehler) {
            k.fehler << core::meldung(fehler) << Qt::endl << QStringLiteral("Es wurde nichts übernommen.") << Qt::endl;
            return Fehlschlag;
        }

        for (const QString& zeile : exchange::bericht(gelesen.quelle, auswahl))
            k.aus << zeile << Qt::endl;
        const QString genommen = mitAnzahl(auswahl.uebernehmen.size(), "Eintrag", "Einträge");
        const qsizetype uebersprungen = auswahl.auslassungen.size();
        const QString wuerden = auswahl.uebernehmen.size() == 1 ? QStringLiteral("würde") : QStringLiteral("würden");
        if (probe.gesetzt())
            k.aus << QStringLiteral("Probe: %1 %2 in %3 übernommen, %4 übersprungen. Es wurde nichts geschrieben.")
                         .arg(genommen, wuerden, buch())
                         .arg(uebersprungen)
                  << Qt::endl;
        else
            k.aus << QStringLiteral("%1 in %2 übernommen, %3 übersprungen.").arg(genommen, buch()).arg(uebersprungen)
                  << Qt::endl;
        if (auswahl.uebernehmen.isEmpty())
            return NichtsUebernommen;
        return uebersprungen > 0 ? EinigeUebersprungen : Erfolg;
    }

private:
    Schalter probe{this, "probe", "zeigt nur, was geschähe, und schreibt nichts"};
    Text datei{this, Argument{"DATEI"}};
};

} // namespace

std::unique_ptr<Befehl> importieren()
{
    return std::make_unique<Importieren>();
}

} // namespace daten
