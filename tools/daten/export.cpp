// SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// `gedenkbuch-daten export --format csv|ics [--datei DATEI]`: the entries in calendar order as a
// CSV table or as an iCalendar file, on standard output or into a new file.
#include "befehl.h"

#include "exchange/csv.h"

#include "core/anzeigezeile.h"
#include "core/durchlauf.h"
#include "core/eintrag.h"
#include "core/kalenderfolge.h"
#include "store/neuedatei.h"
#include "store/systemfehler.h"
#include "termin/jahrestermin.h"
#include "termin/kennung.h"

#include <QDate>
#include <QDateTime>
#include <QHash>

#include <functional>

namespace daten {

namespace {

// What sorting needs of the entries, and what the walk left out.
struct Bestand {
    QList<core::Zeile> zeilen;                // the lines of the full list, in calendar order
    qsizetype ohneRegel = 0;                  // records the walk rule skips
    qsizetype unmoeglich = 0;                 // entries on a day their month never has
    QHash<qint64, int> nummern;               // the second and later entries of a name: which one
    std::optional<store::StoreError> schaden; // a damaged file: what could be read is there
};

// The export keeps of each entry only its line for the order; the record itself is read again by
// its number as it is written, so the whole of a large book is never held at once.
Bestand ordnen(store::Store& s, int diesesJahr, bool mitNummern)
{
    store::Cursor cursor(s, store::Cursor::Umfang::OhneBemerkungen);
    Bestand b;
    termin::Namenszaehler zaehler;
    const core::Durchlauf durchlauf = core::durchlaufen(cursor, [&](const store::Datensatz& satz) {
        const auto eintrag = core::eintragLesen(satz);
        if (!eintrag)
            ++b.ohneRegel;
        else if (!core::gibtEsDenTag(eintrag->tag, eintrag->monat))
            ++b.unmoeglich;
        else {
            b.zeilen.append(core::listenzeile(*eintrag, diesesJahr));
            if (mitNummern) // only the iCalendar file has UIDs
                zaehler.aufnehmen(eintrag->id, eintrag->Bezeichnung);
        }
    });
    // A damaged file is exported as far as it can be read: that is how its entries are rescued.
    if (durchlauf.fehler && durchlauf.fehler->art() != store::StoreError::Art::Beschaedigt)
        throw *durchlauf.fehler;
    b.schaden = durchlauf.fehler;
    b.nummern = zaehler.nummern();
    core::kalenderfolge(b.zeilen); // the order of the full list
    return b;
}

// Writes what `schreiben` is given in pieces of 64 KiB. False once writing failed.
class Puffer {
public:
    explicit Puffer(std::function<bool(QByteArrayView)> ziel) : ziel_(std::move(ziel)) {}
    bool anfuegen(const QByteArray& daten)
    {
        puffer_ += daten;
        return puffer_.size() < 65536 || leeren();
    }
    bool leeren() { return ziel_(std::exchange(puffer_, QByteArray())); }

private:
    std::function<bool(QByteArrayView)> ziel_;
    QByteArray puffer_;
};

QString ausgelassen(const Bestand& b)
{
    QStringList teile;
    if (b.ohneRegel > 0)
        teile << mitAnzahl(b.ohneRegel, "Datensatz", "Datensätze")
                + QStringLiteral(" ohne Bezeichnung, Tag oder Monat");
    if (b.unmoeglich > 0)
        teile << mitAnzahl(b.unmoeglich, "Eintrag", "Einträge")
                + QStringLiteral(" mit einem Tag, den es im Monat nie gibt");
    return teile.isEmpty() ? QString()
                           : QStringLiteral("Nicht ausgegeben: %1.").arg(teile.join(QStringLiteral(" und ")));
}

class Exportieren final : public Buchbefehl {
public:
    Exportieren() : Buchbefehl("export")
    {
        beschreibung_ = QStringLiteral(
            "gibt die Einträge in Kalenderfolge aus: als CSV-Tabelle (UTF-8) oder als iCalendar-Datei mit\n"
            "einem jährlichen ganztägigen Termin je Eintrag. Ohne --datei auf die Standardausgabe; eine\n"
            "vorhandene Datei wird nicht überschrieben. Aus einer beschädigten Datei gibt es aus, was noch\n"
            "lesbar ist, und endet mit Status 1.");
    }

    int mitBuch(Kontext& k) override;

private:
    Auswahl format{
        this, Option{"format", "FORMAT", "CSV-Tabelle oder iCalendar-Datei", "das Format", true}, {"csv", "ics"}};
    Text zieldatei{this,
                   Option{"datei", "DATEI", "schreibt in die neue Datei DATEI statt auf die Standardausgabe",
                          "der Name der Datei"}};
};

int Exportieren::mitBuch(Kontext& k)
{
    const QString datei = zieldatei.wert(); // null without --datei
    if (const auto vorhanden = datei.isNull() ? std::nullopt : store::schonVorhanden(datei)) {
        k.fehler << core::meldung(*vorhanden) << Qt::endl;
        return Fehlschlag;
    }

    const int diesesJahr = k.heute.year();
    std::unique_ptr<store::Store> s;
    Bestand bestand;
    try {
        s = oeffnen(store::Store::Zugriff::NurLesen);
        bestand = ordnen(*s, diesesJahr, format.wert() == QLatin1String("ics"));
    } catch (const store::StoreError& fehler) {
        k.fehler << core::meldung(fehler) << Qt::endl << QStringLiteral("Es wurde nichts ausgegeben.") << Qt::endl;
        return Fehlschlag;
    }

    // Plain text of personal data into a file: readable by its owner only, like daten.mdb, and
    // there whole or not at all.
    std::optional<store::NeueDatei> ziel;
    std::optional<store::StoreError> schreibfehler;
    Puffer ausgabe([&](QByteArrayView daten) {
        if (!ziel)
            return k.ausgabe.roh(daten); // the tool says why, once it closes standard output
        try {
            ziel->schreiben(daten);
            return true;
        } catch (const store::StoreError& fehler) {
            schreibfehler = fehler;
            return false;
        }
    });
    const qint64 zeitstempel = QDateTime::currentSecsSinceEpoch();
    const auto termin = [&](const core::Eintrag& e) {
        const termin::Kennung kennung(e.Bezeichnung, bestand.nummern.value(e.id, 1));
        return termin::veventText(termin::jahrestermin(e, kennung.uid(), termin::beginnImExport(e, diesesJahr),
                                                       termin::beschreibungImExport(e)),
                                  zeitstempel);
    };
    const bool csv = format.wert() == QLatin1String("csv");
    qsizetype geschrieben = 0;
    try {
        if (!datei.isNull())
            ziel.emplace(datei);
        else // standard output is data: the file read is named on standard error
            k.fehler << gelesenAus() << Qt::endl;
        bool ok = ausgabe.anfuegen(csv ? exchange::csvKopf() : termin::dateianfang());
        std::optional<store::Lesezug> zug;
        for (qsizetype i = 0; i < bestand.zeilen.size(); ++i) {
            const core::Zeile& z = bestand.zeilen[i];
            // Some hundred reads share one read transaction: another program waits no longer
            // than for one of the cursor's batches.
            if (i % 512 == 0) {
                zug.reset();
                zug.emplace(*s);
            }
            // Read again whole, with its remarks; one that went meanwhile is left out, one that
            // damage keeps from being read again counts as damage.
            std::optional<core::Eintrag> e;
            try {
                const std::optional<store::Datensatz> satz = s->lesen(z.id);
                e = satz ? core::eintragLesen(*satz) : std::nullopt;
            } catch (const store::StoreError& fehler) {
                if (fehler.art() != store::StoreError::Art::Beschaedigt)
                    throw;
                bestand.schaden = bestand.schaden.value_or(fehler);
            }
            if (!ok || !e)
                continue;
            ok = ausgabe.anfuegen(csv ? exchange::csvZeile(*e) : termin(*e));
            ++geschrieben;
        }
        zug.reset();
        if (!ok || (!csv && !ausgabe.anfuegen(termin::dateiende())) || !ausgabe.leeren()) {
            if (!schreibfehler)
                return Fehlschlag;
            throw *schreibfehler;
        }
        if (ziel)
            ziel->fertigstellen();
    } catch (const store::StoreError& fehler) {
        k.fehler << core::meldung(fehler) << Qt::endl
                 << (!datei.isNull() ? QStringLiteral("Es wurde keine Datei angelegt.")
                                     : QStringLiteral("Die Ausgabe ist unvollständig."))
                 << Qt::endl;
        return Fehlschlag;
    }
    if (ziel)
        k.aus << QStringLiteral("%1 aus %2 in %3 geschrieben.")
                     .arg(mitAnzahl(geschrieben, "Eintrag", "Einträge"), buch(), datei)
              << Qt::endl;
    if (const QString text = ausgelassen(bestand); !text.isEmpty())
        k.fehler << text << Qt::endl;
    if (bestand.schaden) {
        k.fehler << core::meldung(*bestand.schaden) << QStringLiteral(" Ausgegeben ist nur, was noch lesbar war.")
                 << Qt::endl;
        return Fehlschlag;
    }
    return Erfolg;
}

} // namespace

std::unique_ptr<Befehl> exportieren()
{
    return std::make_unique<Exportieren>();
}

} // namespace daten
