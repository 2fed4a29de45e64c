// `gedenkbuch-daten pruefen`: the engine's thorough check of daten.mdb, and the number of entries.
#include "befehl.h"

#include "core/durchlauf.h"
#include "store/cursor.h"
#include "store/store.h"

namespace {

constexpr int gezeigteBefunde = 10;

} // namespace

int pruefen(const Aufruf& aufruf)
{
    using Art = store::StoreError::Art;
    if (!aufruf.argumente.isEmpty())
        return FalscherAufruf;
    const QString datei = aufruf.datenbank();
    qsizetype eintraege = 0, andere = 0;
    try {
        const auto s = store::Store::open(datei, store::Store::Zugriff::NurLesen);
        const QStringList befunde = s->pruefen(store::Store::Pruefung::Gruendlich);
        if (!befunde.isEmpty()) {
            aufruf.fehler << QStringLiteral("Die Datei %1 ist beschädigt. Die Prüfung fand:").arg(datei) << Qt::endl;
            for (const QString& befund : befunde.mid(0, gezeigteBefunde))
                aufruf.fehler << QStringLiteral("  ") << befund << Qt::endl;
            if (befunde.size() > gezeigteBefunde)
                aufruf.fehler << QStringLiteral("  … und %1 weitere.").arg(befunde.size() - gezeigteBefunde) << Qt::endl;
            return DateiBeschaedigt;
        }
        store::Cursor cursor(*s);
        const core::Durchlauf durchlauf = core::durchlaufen(cursor, [&](const store::Cursor& c) {
            ++(core::eintragLesen(c) ? eintraege : andere);
        });
        if (durchlauf.fehler)
            throw *durchlauf.fehler;
    } catch (const store::StoreError& fehler) {
        aufruf.fehler << fehler.meldung() << Qt::endl;
        const bool beschaedigt = fehler.art() == Art::Beschaedigt || fehler.art() == Art::KeineDatenbank
            || fehler.art() == Art::TabelleFehlt;
        return beschaedigt ? DateiBeschaedigt : Fehlschlag;
    }
    aufruf.aus << QStringLiteral("Die Datei %1 ist in Ordnung: %2.").arg(datei, mitAnzahl(eintraege, "Eintrag", "Einträge"));
    if (andere > 0)
        aufruf.aus << QStringLiteral(" Dazu kommen %1 ohne Bezeichnung, Tag oder Monat, die das Programm nicht zeigt.")
                          .arg(mitAnzahl(andere, "Datensatz", "Datensätze"));
    aufruf.aus << Qt::endl;
    return Erfolg;
}
