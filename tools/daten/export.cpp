// `gedenkbuch-daten export --format csv|ics [--datei DATEI]`: the entries in calendar order as a
// CSV table or as an iCalendar file, on standard output or into a new file.
#include "befehl.h"

#include "exchange/csv.h"
#include "exchange/kalender.h"

#include "core/anzeigezeile.h"
#include "core/eintrag.h"
#include "core/durchlauf.h"
#include "core/kalenderfolge.h"
#include "store/cursor.h"
#include "store/neuedatei.h"
#include "store/store.h"
#include "store/systemfehler.h"

#include <QDate>
#include <QHash>

namespace {

struct Bestand {
    QList<core::Eintrag> eintraege;        // calendar order
    qsizetype ohneRegel = 0;               // records the walk rule skips
    qsizetype unmoeglich = 0;              // entries on a day their month never has
    std::optional<store::StoreError> schaden; // a damaged file: what could be read is there
};

Bestand lesen(const QString& datenbank, int diesesJahr)
{
    const auto s = store::Store::open(datenbank, store::Store::Zugriff::NurLesen);
    store::Cursor cursor(*s);
    Bestand b;
    QList<core::Eintrag> alle; // store order
    const core::Durchlauf durchlauf = core::durchlaufen(cursor, [&](const store::Cursor& c) {
        const auto eintrag = core::eintragLesen(c);
        if (!eintrag)
            ++b.ohneRegel;
        else if (!core::gibtEsDenTag(eintrag->tag, eintrag->monat))
            ++b.unmoeglich;
        else
            alle.append(*eintrag);
    });
    // A damaged file is exported as far as it can be read: that is how its entries are rescued.
    if (durchlauf.fehler && durchlauf.fehler->art() != store::StoreError::Art::Beschaedigt)
        throw *durchlauf.fehler;
    b.schaden = durchlauf.fehler;

    // The order of the full list: its display lines sorted.
    QHash<qint64, qsizetype> stelle;
    for (qsizetype i = 0; i < alle.size(); ++i)
        stelle.insert(alle[i].id, i);
    QList<core::Zeile> zeilen = core::listenaufbau(alle, diesesJahr);
    core::kalenderfolge(zeilen);
    for (const core::Zeile& z : zeilen)
        b.eintraege.append(alle[stelle.value(z.id)]);
    return b;
}

QString ausgelassen(const Bestand& b)
{
    QStringList teile;
    if (b.ohneRegel > 0)
        teile << mitAnzahl(b.ohneRegel, "Datensatz", "Datensätze") + QStringLiteral(" ohne Bezeichnung, Tag oder Monat");
    if (b.unmoeglich > 0)
        teile << mitAnzahl(b.unmoeglich, "Eintrag", "Einträge") + QStringLiteral(" mit einem Tag, den es im Monat nie gibt");
    return teile.isEmpty() ? QString() : QStringLiteral("Nicht ausgegeben: %1.").arg(teile.join(QStringLiteral(" und ")));
}

} // namespace

int exportieren(const Aufruf& aufruf)
{
    const QString format = aufruf.wert("format");
    const QString datei = aufruf.wert("datei"); // null without --datei
    if (const QString vorhanden = datei.isNull() ? QString() : store::schonVorhanden(datei); !vorhanden.isEmpty()) {
        aufruf.fehler << vorhanden << Qt::endl;
        return Fehlschlag;
    }

    const int diesesJahr = QDate::currentDate().year();
    Bestand bestand;
    try {
        bestand = lesen(aufruf.datenbank(), diesesJahr);
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << fehler.meldung() << Qt::endl << QStringLiteral("Es wurde nichts ausgegeben.") << Qt::endl;
        return Fehlschlag;
    }
    const exchange::Kalenderschreiber kalender;
    const bool csv = format == QLatin1String("csv");
    QByteArray inhalt = csv ? exchange::csvKopf() : kalender.anfang();
    for (const core::Eintrag& e : std::as_const(bestand.eintraege))
        inhalt += csv ? exchange::csvZeile(e) : kalender.termin(e, diesesJahr);
    inhalt += csv ? QByteArray() : kalender.ende();
    if (datei.isNull()) {
        // Standard output is data: the file read is named on standard error.
        aufruf.fehler << QStringLiteral("Gelesen aus %1.").arg(aufruf.datenbank()) << Qt::endl;
        if (!aufruf.ausgabe.roh(inhalt))
            return Fehlschlag; // the tool says why once it closes standard output
    } else {
        // Plain text of personal data: readable by its owner only, like daten.mdb, and there whole
        // or not at all.
        try {
            store::NeueDatei ziel(datei);
            ziel.schreiben(inhalt);
            ziel.fertigstellen();
        } catch (const store::StoreError& fehler) {
            aufruf.fehler << fehler.meldung() << Qt::endl << QStringLiteral("Es wurde keine Datei angelegt.") << Qt::endl;
            return Fehlschlag;
        }
        const QString anzahl = mitAnzahl(bestand.eintraege.size(), "Eintrag", "Einträge");
        aufruf.aus << QStringLiteral("%1 aus %2 in %3 geschrieben.").arg(anzahl, aufruf.datenbank(), datei) << Qt::endl;
    }
    if (const QString text = ausgelassen(bestand); !text.isEmpty())
        aufruf.fehler << text << Qt::endl;
    if (bestand.schaden) {
        aufruf.fehler << bestand.schaden->meldung() << QStringLiteral(" Ausgegeben ist nur, was noch lesbar war.") << Qt::endl;
        return Fehlschlag;
    }
    return Erfolg;
}
